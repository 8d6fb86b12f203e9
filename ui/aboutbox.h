#pragma once

#include <QDialog>

namespace stud {

// The About box: the built-in picture and an OK button. Created once with the
// main window and shown modally on demand.
class AboutBox : public QDialog {
    Q_OBJECT
  public:
    explicit AboutBox(QWidget* parent = nullptr);
    // False when the built-in picture could not be decoded (the box then
    // shows an empty picture).
    bool pictureLoaded() const;
};

} // namespace stud
