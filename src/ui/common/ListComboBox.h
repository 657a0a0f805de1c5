#pragma once

#include "SizedComboBox.h"

namespace mobwright {

// A pick-only drop-down list whose entries show their number in a column of
// their own, so that equal labels are told apart, and which narrows, while
// open, to the entries whose number or label holds the text typed, the first
// of them current for Return to pick. Its pop-up is built when it is first
// opened.
class ListComboBox : public SizedComboBox
{
    Q_OBJECT

public:
    explicit ListComboBox(QWidget *parent = nullptr);

    // An entry's number is its row plus the first number, unless the entry
    // holds one of its own under Qt::UserRole.
    void setFirstNumber(int number) { firstNumber_ = number; }
    int numberAt(int row) const;

    void showPopup() override;
    void hidePopup() override;
    // Keeps the entries whose number or label holds text; all for "".
    void narrow(const QString &text);

protected:
    bool eventFilter(QObject *object, QEvent *event) override;

private:
    void preparePopup();

    int firstNumber_ = 0;
    bool prepared_ = false;
    QString typed_;
};

} // namespace mobwright
