// The info window's picture: its GIF as compiled into the program, and how the box shows it.

#include "shown_window.h"
#include "ui/info_window.h"

#include <QFile>
#include <QImage>
#include <QTest>
#include <optional>

using quabbel::ui::InfoWindow;

namespace {

const QString picture_file = QStringLiteral(":/pictures/qu_tiles.gif");

// What the blocks of a GIF file say about it; walks them up to the trailer.
struct GifFacts {
    QByteArray signature;
    int width = 0;
    int height = 0;
    int global_colours = 0;
    int images = 0;
    int interlaced_images = 0;
    std::optional<int> transparent_index;
    bool ends_with_trailer = false;

    explicit GifFacts(const QByteArray& bytes) : signature(bytes.left(6)) {
        qsizetype at = 6;
        const auto byte = [&bytes, &at] { return static_cast<unsigned char>(bytes.at(at++)); };
        const auto word = [&byte] {
            const int low = byte();
            return low | byte() << 8;
        };
        const auto colour_table = [](int flags) { return flags & 0x80 ? 2 << (flags & 0x07) : 0; };
        const auto skip_sub_blocks = [&byte, &at] {
            for (int size = byte(); size != 0; size = byte()) {
                at += size;
            }
        };
        width = word();
        height = word();
        global_colours = colour_table(byte());
        at += 2 + 3 * global_colours; // background colour, pixel aspect, table
        for (int introducer = byte(); introducer != 0x3B; introducer = byte()) {
            if (introducer == 0x21) {
                if (byte() == 0xF9 && bytes.at(at) == 4 && (bytes.at(at + 1) & 0x01)) {
                    transparent_index = static_cast<unsigned char>(bytes.at(at + 4));
                }
            } else if (introducer == 0x2C) {
                at += 8; // left, top, width, height
                const int flags = byte();
                at += 3 * colour_table(flags) + 1; // local table, smallest LZW code size
                ++images;
                interlaced_images += flags & 0x40 ? 1 : 0;
            } else {
                return; // no GIF block: the walk stops short of the trailer
            }
            skip_sub_blocks();
        }
        ends_with_trailer = at == bytes.size();
    }
};

} // namespace

class InfoPictureTest : public QObject {
    Q_OBJECT

private slots:
    void isOneInterlacedGif89aImageWithIndex83Transparent() {
        QFile file(picture_file);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY2(bytes.size() > 768 && bytes.size() < 1280, "about 1 KB");

        const GifFacts facts(bytes);
        QCOMPARE(facts.signature, QByteArray("GIF89a"));
        QCOMPARE(facts.width, 37);
        QCOMPARE(facts.height, 23);
        QCOMPARE(facts.global_colours, 256);
        QCOMPARE(facts.images, 1);
        QCOMPARE(facts.interlaced_images, 1);
        QCOMPARE(facts.transparent_index, std::optional<int>(83));
        QVERIFY(facts.ends_with_trailer);
    }

    // The box is 41 x 25 pixels with a border of two: the picture's last two rows are cut off.
    void isDrawnUnscaledAtTheTopLeftInsideTheBorder() {
        InfoWindow info;
        QVERIFY(show_active(info));
        QWidget* box = control(info, "Picture1");
        QVERIFY(box);
        const QImage shown = box->grab().toImage();
        const QImage picture = QImage(picture_file).convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(picture.size(), QSize(37, 23));
        const QColor background = info.palette().color(QPalette::Window);
        constexpr int border = 2;
        int transparent = 0;
        for (int y = 0; y < box->height() - 2 * border; ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                const QColor pixel = picture.pixelColor(x, y);
                transparent += pixel.alpha() == 0 ? 1 : 0;
                const QColor expected = pixel.alpha() == 0 ? background : pixel;
                QCOMPARE(shown.pixelColor(border + x, border + y), expected);
            }
        }
        QVERIFY(transparent > 0);
    }
};

QTEST_MAIN(InfoPictureTest)
#include "info_picture_test.moc"
