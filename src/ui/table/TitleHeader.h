#pragma once

#include <QHeaderView>

namespace mobwright {

// The enemy table's header of column titles. Every title is one line in
// one font, so the header is as tall as any one title needs: measuring
// each, as a header does by default, cost as much as painting the table.
class TitleHeader : public QHeaderView
{
    Q_OBJECT

public:
    explicit TitleHeader(QWidget *parent = nullptr);

    QSize sizeHint() const override;
};

} // namespace mobwright
