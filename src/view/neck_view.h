// The neck picture in the main window.
#pragma once

#include <QWidget>
#include <vector>

#include "instrument/fingering.h"

namespace corvanta {

// The neck picture (Image2): a background with the last selection's finger
// markers on it. Wider than the picture, its frets are spread over the
// width (the markers keep their size); clicks are reported in the
// picture's own coordinates.
class NeckView : public QWidget {
  Q_OBJECT

 public:
  enum class Background { Electric, Bronze };

  explicit NeckView(QWidget* parent = nullptr);

  // The background alone: earlier markers are erased.
  void ShowBackground(Background background);
  // The background, then the markers of this fingering.
  // frets count from the capo; the markers stand at their absolute frets.
  void DrawNeck(Background background, Fingering frets, int capo = 0);
  // The instrument's strings by their first frets on the neck (0: the nut),
  // lowest-listed first: six from the nut by default.
  void SetStrings(std::vector<int> stringStarts);
  int Strings() const { return static_cast<int>(stringStarts_.size()); }
  // The capo, with or without markers.
  void SetCapo(int capo);

  bool HasMarkers() const { return hasMarkers_; }
  Background ShownBackground() const { return background_; }
  const Fingering& MarkedFrets() const { return frets_; }
  int Capo() const { return capo_; }
  // How much wider than the picture the widget is (1 at its own width).
  double Stretch() const;
  // A point of the picture where the widget shows it.
  QPoint WidgetPoint(QPoint picture) const;

 signals:
  // A click on the picture, in its own coordinates: the neck as an input.
  void mouseUp(Qt::MouseButton button, QPoint position);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  Background background_ = Background::Electric;
  Fingering frets_;
  std::vector<int> stringStarts_ = std::vector<int>(6, 0);
  bool hasMarkers_ = false;
  int capo_ = 0;
};

}  // namespace corvanta
