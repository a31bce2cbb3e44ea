#include "icon.h"

#include <QString>

namespace geoplait::toolkit {

namespace {

const TIconImage* BestImage(const TIconGroup& group, int size) {
  const TIconImage* best = nullptr;
  for (const TIconImage& image : group.images) {
    const bool fits = image.width == size && image.height == size;
    if (best == nullptr) {
      best = &image;
      continue;
    }
    const bool best_fits = best->width == size && best->height == size;
    if (fits != best_fits) {
      best = fits ? &image : best;
    } else if (fits) {
      best = image.bits_per_pixel > best->bits_per_pixel ? &image : best;
    } else if (image.width * image.height > best->width * best->height) {
      best = &image;
    }
  }
  return best;
}

}  // namespace

QPixmap LoadIconImage(const TIconGroup& group, int size) {
  const TIconImage* image = BestImage(group, size);
  if (image == nullptr) {
    return {};
  }
  QPixmap pixmap(QString::fromUtf8(image->file.data(), static_cast<qsizetype>(image->file.size())));
  if (pixmap.isNull() || pixmap.width() == size) {
    return pixmap;
  }
  return pixmap.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

QIcon LoadIcon(const TIconGroup& group) {
  QIcon icon;
  for (int size : {kBigIconSize, kSmallIconSize}) {
    const QPixmap image = LoadIconImage(group, size);
    if (!image.isNull()) {
      icon.addPixmap(image);
    }
  }
  return icon;
}

}  // namespace geoplait::toolkit
