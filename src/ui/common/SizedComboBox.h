#pragma once

#include <QComboBox>

namespace mobwright {

// A combo box as wide as its minimum contents length with room for an icon,
// as QComboBox::AdjustToMinimumContentsLengthWithIcon makes it, whatever its
// entries. Setting that policy builds the pop-up (list, frame, scroll bars)
// at once; this builds it only when it is first opened. Without a minimum
// contents length it sizes itself as any combo box.
class SizedComboBox : public QComboBox
{
    Q_OBJECT

public:
    using QComboBox::QComboBox;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void changeEvent(QEvent *event) override;

private:
    QSize contentsLengthHint() const;

    mutable QSize hint_;
};

} // namespace mobwright
