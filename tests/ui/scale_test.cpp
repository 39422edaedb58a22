// SPDX-License-Identifier: MIT
// The window at the screen scale CTest sets in QT_SCALE_FACTOR (1 and 2): its size in device
// pixels, and pictures drawn at the device's resolution rather than enlarged from a 1x bitmap.
#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "ui/svg_image.h"
#include "window_fixture.h"

namespace isr {
namespace {

// The device pixel ratio the environment asks for; 0, which no window has, when it asks for none.
qreal RequestedScale() {
    return qEnvironmentVariable("QT_SCALE_FACTOR").toDouble();
}

QImage Rgb(const QPixmap& pixmap) {
    return pixmap.toImage().convertToFormat(QImage::Format_RGB32);
}

// The mean difference per colour channel of two images of one size, 0 to 255.
double MeanDifference(const QImage& a, const QImage& b) {
    double sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                   std::abs(qBlue(p) - qBlue(q));
        }
    }
    return sum / (3.0 * a.width() * a.height());
}

// How far `device` is from the closest plain enlargement of `logical`, blocky or smoothed.
double DistanceFromUpscale(const QImage& device, const QImage& logical) {
    double closest = 255;
    for (const auto mode : {Qt::FastTransformation, Qt::SmoothTransformation}) {
        const QImage upscaled = logical.scaled(device.size(), Qt::IgnoreAspectRatio, mode);
        closest = std::min(closest, MeanDifference(device, upscaled));
    }
    return closest;
}

class ScaleTest : public WindowTest {};

TEST_F(ScaleTest, WindowIsItsDesignSizeTimesTheScaleInDevicePixels) {
    const qreal scale = RequestedScale();
    ASSERT_EQ(window_->devicePixelRatio(), scale) << "QT_SCALE_FACTOR did not take effect";
    EXPECT_EQ(window_->size(), QSize(603, 546));
    const QPixmap shot = window_->grab();
    EXPECT_EQ(shot.devicePixelRatio(), scale);
    EXPECT_EQ(shot.size(), QSize(603, 546) * scale);  // 1206 x 1092 at scale 2
}

// Every picture rendered at the device's scale and at 1x: a logo and product pictures of each
// panel that has them, and the window icon in both of its sizes.
TEST_F(ScaleTest, PicturesAreDrawnAtTheDeviceResolution) {
    const qreal scale = RequestedScale();
    struct Picture {
        std::string name;
        QSize size;  // in logical pixels
        QImage device;
        QImage logical;
    };
    std::vector<Picture> pictures;
    VisitEveryPanel();
    for (const char* name : {"Image1", "Image2", "imgProd(0)", "imgProd(2)", "imgProd(3)"}) {
        auto* image = Find<SvgImage>(name);
        if (!image) continue;
        QPixmap logical(image->size());
        logical.fill(image->palette().color(QPalette::Window));
        image->render(&logical);
        pictures.push_back({name, image->size(), Rgb(image->grab()), Rgb(logical)});
    }
    const QIcon icon = QApplication::windowIcon();
    for (const int side : {16, 32}) {
        const QSize size(side, side);
        pictures.push_back({"icon " + std::to_string(side), size, Rgb(icon.pixmap(size, scale)),
                            Rgb(icon.pixmap(size, 1.0))});
    }
    ASSERT_EQ(pictures.size(), 7u);

    // A 1x bitmap that the painter enlarges stays within 0.3 of one of the plain enlargements;
    // these drawings at 2x differ from them by 3 or more.
    constexpr double kCrisp = 1.0;
    for (const Picture& picture : pictures) {
        SCOPED_TRACE(picture.name);
        EXPECT_EQ(picture.device.size(), picture.size * scale);
        if (scale > 1) {
            EXPECT_GT(DistanceFromUpscale(picture.device, picture.logical), kCrisp);
        }
    }
}

}  // namespace
}  // namespace isr
