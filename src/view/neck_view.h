#pragma once

#include <QWidget>

#include "search/fingering.h"
#include "view/drawn_assets.h"

namespace corvanta {

// The neck picture (Image2): a background with the last selection's finger
// markers on it.
class NeckView : public QWidget {
  Q_OBJECT

 public:
  enum class Background { Electric, Bronze };

  NeckView(const DrawnAssets& assets, QWidget* parent = nullptr);

  // The background alone: earlier markers are erased.
  void ShowBackground(Background background);
  // The background, then the markers of this fingering.
  void DrawNeck(Background background, const Frets& frets);

  bool HasMarkers() const { return hasMarkers_; }
  const Frets& MarkedFrets() const { return frets_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const DrawnAssets& assets_;
  Background background_ = Background::Electric;
  Frets frets_{};
  bool hasMarkers_ = false;
};

}  // namespace corvanta
