#pragma once
// Helpers of the rendering tests: pixel access in the program's colour values, shapes and
// elements drawn onto marked targets, and golden image comparison.
#include <gtest/gtest.h>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "files/Paths.h"
#include "model/CElement.h"
#include "model/ColourConvert.h"
#include "model/GlobalSwitch.h"
#include "render/RenderServices.h"
#include "render/ShapeRenderer.h"
#include "support/MemorySettingsStore.h"
#include "support/ScriptedInteraction.h"
#include "support/TempDir.h"

namespace rendertest {

constexpr dw::Colour kWhite = 0xFFFFFF;
constexpr dw::Colour kRed = 0x0000FF;
constexpr dw::Colour kGreen = 0x00FF00;
constexpr dw::Colour kBlue = 0xFF0000;
// The colour Drawn() fills its target with before the element draws.
constexpr dw::Colour kMarker = 0x090909;

// The colour (0x00BBGGRR) of a pixel.
inline dw::Colour At(const QImage& image, int x, int y) {
    return dw::FromQRgb(image.pixel(x, y));
}

inline QImage Black(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::black);
    return image;
}

// How many pixels of the image have exactly this colour.
inline int Count(const QImage& image, dw::Colour colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += At(image, x, y) == colour;
    return n;
}

// How many pixels differ from black (of a rectangle; outside the image counts as black).
inline int CountLit(const QImage& image) {
    return image.width() * image.height() - Count(image, 0);
}
inline int CountLit(const QImage& image, int x, int y, int w, int h) {
    return CountLit(image.copy(x, y, w, h));
}

// A w x h picture of one colour.
inline QImage Filled(int w, int h, dw::Colour colour) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(dw::ToQRgb(colour));
    return image;
}

// A 4 x 2 picture: red, green, blue, white on top; black, grey, yellow, cyan below.
inline QImage Sample() {
    QImage image(4, 2, QImage::Format_RGB32);
    const QRgb colours[] = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF,
                            0x000000, 0x808080, 0xFFFF00, 0x00FFFF};
    for (int i = 0; i < 8; ++i) image.setPixel(i % 4, i / 4, colours[i]);
    return image;
}

// Shape parameters: the subtype and its three parameters over the other fields of p.
inline dw::ShapeParams Params(const char* subtype, float a1, float a2, float pct,
                              dw::ShapeParams p = {}) {
    p.subtype = subtype;
    p.ang1 = a1;
    p.ang2 = a2;
    p.angPct = pct;
    return p;
}

// The shape drawn onto a black w x h image.
inline QImage Shape(const dw::ShapeParams& params, int w, int h) {
    QImage image = Black(w, h);
    dw::RenderShape(image, params, w, h);
    return image;
}

// The element drawn onto a w x h target filled with kMarker.
inline QImage Drawn(dw::CElement& element, int w, int h) {
    QImage target(w, h, QImage::Format_RGB32);
    target.fill(dw::ToQRgb(kMarker));
    QPainter painter(&target);
    element.Draw(painter);
    return target;
}

// Elements that load files: a temporary working folder (lower-cased, as opening a gauge sets
// it), a scripted user and a settings store in memory as the render services.
class FileFixture : public ::testing::Test {
protected:
    void SetUp() override {
        dw::InstallRenderServices({&user, &settings});
        dw::SetWorkingFolder(Folder());
    }
    void TearDown() override {
        dw::InstallRenderServices({});
        dw::ResetWorkingFolder();
        dw::SetGlobalSwitch(true);
    }
    std::string Folder() const { return dw::LowerLatin1(dir.Path().string()); }
    // Saves a picture under the temporary folder and returns its path.
    std::string Save(const std::string& name, const QImage& image = Sample(),
                     const char* format = "PNG") {
        std::filesystem::create_directories(std::filesystem::path(dir.File(name)).parent_path());
        EXPECT_TRUE(image.save(QString::fromStdString(dir.File(name)), format)) << name;
        return dir.File(name);
    }

    dwtest::TempDir dir;
    dwtest::ScriptedInteraction user;
    dwtest::MemorySettingsStore settings;
};

// Compares image with tests/render/golden/<name>.png. Exact unless tolerance is given: then
// a pixel passes when each channel is within channelTolerance, and at most
// maxDifferentPixels may fail. With DW_UPDATE_GOLDEN=1 in the environment the golden file
// is written instead. Returns an empty string on success, else a description.
inline std::string CompareGolden(const QImage& image, const std::string& name,
                                 int channelTolerance = 0, int maxDifferentPixels = 0) {
    // The source tree from the test environment, else the folder of this file.
    const char* source = std::getenv("DW_SOURCE_DIR");
    const QString folder = source ? QString::fromLocal8Bit(source) + QStringLiteral("/tests/render")
                                  : QFileInfo(QStringLiteral(__FILE__)).absolutePath();
    const QString path = folder + "/golden/" + QString::fromStdString(name) + ".png";
    const QImage actual = image.convertToFormat(QImage::Format_RGB32);
    if (const char* update = std::getenv("DW_UPDATE_GOLDEN");
        update && std::string(update) == "1") {
        QDir().mkpath(QFileInfo(path).absolutePath());
        return actual.save(path, "PNG") ? std::string() : "cannot write " + path.toStdString();
    }
    const QImage wanted = QImage(path).convertToFormat(QImage::Format_RGB32);
    if (wanted.isNull()) return "missing golden image " + path.toStdString();
    if (wanted.size() != actual.size()) return "size differs from " + path.toStdString();
    int different = 0;
    for (int y = 0; y < actual.height(); ++y)
        for (int x = 0; x < actual.width(); ++x) {
            const QRgb a = actual.pixel(x, y), e = wanted.pixel(x, y);
            different += std::abs(qRed(a) - qRed(e)) > channelTolerance ||
                         std::abs(qGreen(a) - qGreen(e)) > channelTolerance ||
                         std::abs(qBlue(a) - qBlue(e)) > channelTolerance;
        }
    if (different > maxDifferentPixels)
        return std::to_string(different) + " pixels differ from " + path.toStdString();
    return std::string();
}

}  // namespace rendertest
