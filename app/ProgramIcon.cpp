#include "app/ProgramIcon.h"

#include "resources/templates/ResourceIds.h"

#include <QPainter>
#include <QString>
#include <QSvgRenderer>

namespace {

QPixmap Render(QSvgRenderer& renderer, QSize size) {
  QPixmap pixmap(size);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  renderer.render(&painter);
  return pixmap;
}

QString ResourcePath(int resourceId) {
  return QStringLiteral(":/images/%1.svg").arg(resourceId);
}

}  // namespace

QPixmap LoadPicture(int resourceId) {
  QSvgRenderer renderer(ResourcePath(resourceId));
  if (!renderer.isValid()) return {};
  return Render(renderer, renderer.defaultSize());
}

QIcon ProgramIcon() {
  QSvgRenderer renderer(ResourcePath(IDI_PROGRAM));
  QIcon icon;
  if (!renderer.isValid()) return icon;
  for (int side : {16, 24, 32, 48, 64, 128, 256}) icon.addPixmap(Render(renderer, QSize(side, side)));
  return icon;
}
