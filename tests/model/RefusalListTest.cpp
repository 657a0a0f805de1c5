#include "RefusalList.h"

#include <gtest/gtest.h>

using namespace mobwright;

// A refused cell may be megabytes long, and so may a column's name: the
// list keeps only the start its message quotes, and says the same.
TEST(RefusalList, KeepsOnlyTheStartItsMessageQuotes)
{
    Refusal whole;
    whole.row = 5;
    whole.column = std::string(1 << 20, 'c');
    whole.text = std::string(1 << 20, 't');
    whole.accepted = "It accepts numbers.";
    const RefusalList list(whole);
    const Refusal &kept = list.shown().front();
    EXPECT_LT(kept.text->size() + kept.column.size(), 1000u);
    EXPECT_EQ(kept.message(), whole.message());
}
