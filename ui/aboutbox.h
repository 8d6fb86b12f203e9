#pragma once

#include <QByteArray>
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
    // The size of the built-in picture shown: 1, 2 or 4 for "about.jpg" and
    // its "@2x" and "@4x" pictures; 0 for one given to setPicture, or none.
    int pictureScale() const;

    // Shows `jpeg` as the picture, drawn at `devicePixelRatio` (2 for the
    // double-size picture). Damaged data leaves the picture empty; false then.
    bool setPicture(const QByteArray& jpeg, qreal devicePixelRatio = 1.0);

    void setVisible(bool visible) override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void loadBuiltInPicture();
    void centreOnOwner();

    QWidget* image1_ = nullptr;
    // The ratio the built-in picture was chosen for, 0 once replaced by
    // setPicture, and the zoom it was shown at.
    qreal builtInRatio_ = 0;
    qreal builtInZoom_ = 1;
    int shownScale_ = 0;
};

} // namespace stud
