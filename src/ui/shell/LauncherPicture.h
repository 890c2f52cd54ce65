#pragma once

#include <QPixmap>

// The launcher's background: a 447 x 302 picture drawn by the program itself.
namespace LauncherPicture {

constexpr int kWidth = 447;
constexpr int kHeight = 302;

const QPixmap &pixmap();

} // namespace LauncherPicture
