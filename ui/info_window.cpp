#include "ui/info_window.h"

#include "ui/fonts.h"
#include "ui/info_geometry.h"
#include "ui/text_fit.h"
#include "ui/twips.h"

#include <QIcon>
#include <QLabel>
#include <QPalette>
#include <QPixmap>
#include <QPushButton>
#include <QShowEvent>

namespace quabbel::ui {

using namespace info_twips;

namespace {

const QString date = QStringLiteral("Stand vom 17.04.2007");
const QString free_to_use = QStringLiteral("Quabbel dürfen alle Scrabble-Spieler frei nutzen.");
const QString own_list = QStringLiteral("Die Wörter mit 2 Buchstaben sind Quabbels eigene Liste.");
const QString lexica = QStringLiteral("Die mit 3 und 4 Buchstaben beruhen auf igerman98 von Björn "
                                      "Jacke. Dazu Ding, OpenThesaurus und Morphy.");
const QString thanks = QStringLiteral("DANKE   DANKE   DANKE");
const QString new_words =
    QStringLiteral("In der 24. Auflage ist hüb wieder drin. Neu sind: SPA NET "
                   "und TI (Danke an alle, die sie gemeldet haben!)");
const QString greeting = QStringLiteral("Ich wünsche viel Spaß!");
const QString signature = QStringLiteral("Quabbel-Team");

const QColor red(255, 0, 0);
const QColor green(0, 128, 0);
const QColor light_yellow(255, 255, 192);

QIcon light_bulb() {
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/light_bulb_16.png"), QSize(16, 16));
    icon.addFile(QStringLiteral(":/icons/light_bulb_32.png"), QSize(32, 32));
    return icon;
}

QLabel* create_label(const char* name, const QString& text, TwipsRect rect, QWidget* window) {
    auto* label = new QLabel(text, window);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(pixel_rect(rect));
    return label;
}

void set_text_colour(QLabel* label, const QColor& colour) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

void set_background(QLabel* label, const QColor& colour) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, colour);
    label->setPalette(palette);
    label->setAutoFillBackground(true);
}

// Drawn unscaled from the top-left corner inside a sunken border of two pixels, which cuts off
// what does not fit. It takes the focus although it shows none.
QLabel* create_picture(QWidget* window) {
    auto* picture = new QLabel(window);
    picture->setObjectName(QStringLiteral("Picture1"));
    picture->setAccessibleName(QStringLiteral("Spielsteine Q und U"));
    picture->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picture->setPixmap(QPixmap(QStringLiteral(":/pictures/qu_tiles.gif")));
    picture->setFocusPolicy(Qt::StrongFocus);
    picture->setGeometry(pixel_rect(picture_1));
    return picture;
}

} // namespace

InfoWindow::InfoWindow() {
    setObjectName(QStringLiteral("info_"));
    setWindowTitle(QStringLiteral("Info"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setWindowIcon(light_bulb());
    setFont(ms_sans_serif(8.25));
    setFixedSize(pixels(client_width), pixels(client_height));
    create_controls();
    fit_texts(*this);
    connect(Command1, &QPushButton::clicked, this, &InfoWindow::Command1_Click);
}

// Created in tab order, so Tab moves between the picture and the button, the only two controls
// that take the focus.
void InfoWindow::create_controls() {
    Picture1 = create_picture(this);
    create_label("Label1", free_to_use, label_1, this);
    set_text_colour(create_label("Label3(0)", own_list, label_3_0, this), red);
    create_label("Label4", new_words, label_4, this);
    create_label("Label5", greeting, label_5, this);
    create_label("Label6", signature, label_6, this);

    // Neither default nor cancel button: Enter and Esc leave it alone.
    Command1 = new QPushButton(QStringLiteral("&OK"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setAutoDefault(false);
    Command1->setGeometry(pixel_rect(command_1));

    QLabel* Label2 = create_label("Label2", thanks, label_2, this);
    Label2->setFont(ms_sans_serif(8.25, true));
    Label2->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    set_text_colour(Label2, red);

    set_text_colour(create_label("Label3(1)", lexica, label_3_1, this), red);

    QLabel* Label7 = create_label("Label7", date, label_7, this);
    Label7->setFont(ms_sans_serif(13.5, true));
    Label7->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    set_text_colour(Label7, light_yellow);
    set_background(Label7, green);
}

void InfoWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) {
        Picture1->setFocus(Qt::OtherFocusReason);
    }
}

void InfoWindow::Command1_Click() {
    hide();
}

} // namespace quabbel::ui
