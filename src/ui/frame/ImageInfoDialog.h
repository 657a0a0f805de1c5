#pragma once

#include <QDialog>

#include <functional>

class QFormLayout;
class QLabel;
class QPushButton;

namespace mobwright {

class ImageSession;

// "File › Image Information…": the facts of the open image's internal
// header as the file holds them (title, mapping, declared size against the
// file's, copier header, region, version, the checksum stored and computed),
// or why its header cannot be trusted; and a button that puts the checksum
// right through fix, after which the facts are read again.
class ImageInfoDialog : public QDialog
{
    Q_OBJECT

public:
    ImageInfoDialog(ImageSession &session, std::function<void()> fix, QWidget *parent = nullptr);

private:
    void readFacts();

    ImageSession &session_;
    QFormLayout *facts_;
    QLabel *untrusted_;
    QPushButton *fix_;
};

} // namespace mobwright
