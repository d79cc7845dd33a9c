// The cover window with a 6000 x 4000 photo: decoding it (against a bare
// libjpeg decode of the same file into RGB rows) and the repaints of zooming
// and dragging (against the 16 ms of one frame), offscreen.

#include "core/Picture.h"
#include "support/JpegMaker.h"
#include "ui/dialogs/CoverForm.h"

#include <QApplication>
#include <QListWidget>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QWheelEvent>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>

namespace {

double Milliseconds(const std::function<void()>& work, int runs = 5) {
    double best = 1e30;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        work();
        best =
            std::min(best, std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    return best;
}

// What any viewer has to do at least: libjpeg into packed RGB rows.
void BareDecode(const std::string& bytes, std::vector<unsigned char>& rgb) {
    jpeg_decompress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
    jpeg_read_header(&info, TRUE);
    jpeg_start_decompress(&info);
    rgb.resize(static_cast<size_t>(info.output_width) * info.output_height * 3);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = &rgb[static_cast<size_t>(info.output_scanline) * info.output_width * 3];
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    TJpegOptions options;
    options.Width = 6000;
    options.Height = 4000;
    options.Quality = 90;
    const std::string photo = MakeJpeg(options, [](int x, int y) {
        return static_cast<uint32_t>((x * 255 / 6000) << 16 | (y * 255 / 4000) << 8 | ((x ^ y) & 0xFF));
    });
    QTemporaryDir dir;
    const std::string covers = dir.path().toStdString() + "/";
    std::ofstream(covers + "photo.jpg", std::ios::binary) << photo;

    std::vector<unsigned char> rgb;
    const double bare = Milliseconds([&] { BareDecode(photo, rgb); });
    const double ours = Milliseconds([&] {
        TPicture picture;
        std::string error;
        ReadPictureFile(covers + "photo.jpg", picture, error);
    });
    TCoverForm form(covers);
    form.CoverNames = {"photo.jpg", ""};
    double shown = 0;
    shown = Milliseconds(
        [&] {
            form.hide();
            form.FileList().setCurrentRow(-1);
            form.show();
            form.PaintBox().grab();
        },
        3);
    QWidget& box = form.PaintBox();
    auto frame = [&](QEvent& event) {
        return Milliseconds(
            [&] {
                QApplication::sendEvent(&box, &event);
                box.grab(); // paints the box now, exposed or not
            },
            20);
    };
    QWheelEvent wheel(QPointF(300, 200), QPointF(300, 200), {}, QPoint(0, 120), Qt::NoButton, {}, Qt::NoScrollPhase,
                      false);
    const double zoomIn = frame(wheel);
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(300, 200), QPointF(300, 200), Qt::LeftButton, Qt::LeftButton,
                      {});
    QApplication::sendEvent(&box, &press);
    QMouseEvent move(QEvent::MouseMove, QPointF(350, 230), QPointF(350, 230), Qt::NoButton, Qt::LeftButton, {});
    const double drag = frame(move);
    QWheelEvent wheelBack(QPointF(300, 200), QPointF(300, 200), {}, QPoint(0, -120 * 6), Qt::NoButton, {},
                          Qt::NoScrollPhase, false);
    const double zoomOut = frame(wheelBack);

    std::printf("6000 x 4000 JPEG (%zu bytes)\n", photo.size());
    std::printf("  bare libjpeg decode to RGB   %8.1f ms\n", bare);
    std::printf("  Korvalen read and decode     %8.1f ms  (%.2fx the bare decode)\n", ours, ours / bare);
    std::printf("  cover window shows it        %8.1f ms  (goal 400 ms: %.2fx)\n", shown, shown / 400);
    std::printf("  repaint after a wheel notch  %8.2f ms  (one frame is 16 ms: %.2fx)\n", zoomIn, zoomIn / 16);
    std::printf("  repaint while dragging       %8.2f ms  (%.2fx)\n", drag, drag / 16);
    std::printf("  repaint zoomed far out       %8.2f ms  (%.2fx)\n", zoomOut, zoomOut / 16);
    return 0;
}
