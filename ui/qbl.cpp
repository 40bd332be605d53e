#include "ui/qbl.h"

#include "ui/fonts.h"
#include "ui/info_window.h"
#include "ui/placement.h"
#include "ui/position_box.h"
#include "ui/qbl_geometry.h"
#include "ui/sorted_list.h"
#include "ui/text_fit.h"
#include "ui/twips.h"

#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <cstddef>

namespace quabbel::ui {

using namespace qbl_twips;

namespace {

const QString instructions = QStringLiteral(
    "Tippe oben links, in der Mitte oder rechts an beliebiger Stelle einen Buchstaben ein und "
    "dir werden links alle passenden Wörter mit 2 Buchstaben angezeigt, in der Mitte die mit 3 "
    "Buchstaben und rechts die mit 4 Buchstaben");

// Controls of an array are named with their index in parentheses: "B2(1)", "Line1(0)".
QString element_name(const char* array, int index) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(array)).arg(index);
}

QFont default_font() {
    return ms_sans_serif(8.25);
}

QFont bold_font() {
    return ms_sans_serif(9.75, true);
}

QIcon binoculars() {
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/binoculars_16.png"), QSize(16, 16));
    icon.addFile(QStringLiteral(":/icons/binoculars_32.png"), QSize(32, 32));
    return icon;
}

// What screen readers call a box or a list: the word length and the letter's position.
QString words_of_length(int length) {
    return QStringLiteral("Wörter mit %1 Buchstaben").arg(length);
}

QString letter_of_words(int position, int length) {
    return QStringLiteral("%1. Buchstabe der %2").arg(position).arg(words_of_length(length));
}

template <std::size_t Size>
void create_boxes(std::array<PositionBox*, Size>& boxes, const char* name, Column column,
                  QWidget* client) {
    const int length = static_cast<int>(Size) - 1;
    for (int position = 1; position <= length; ++position) {
        auto* box = new PositionBox(element_name(name, position), client);
        box->setAccessibleName(letter_of_words(position, length));
        box->setFont(bold_font());
        box->setGeometry(pixel_rect({box_left(column, position), box_top, box_size, box_size}));
        boxes[static_cast<std::size_t>(position)] = box;
    }
}

// "List2" to "List4", by word length.
SortedList* create_list(int length, Column column, QWidget* client) {
    auto* list = new SortedList(QStringLiteral("List%1").arg(length), client);
    list->setAccessibleName(words_of_length(length));
    list->describe_count();
    list->setFont(bold_font());
    list->setGeometry(pixel_rect({column.left, list_top, column.list_width, list_height}));
    list->hide();
    return list;
}

// Opaque, so that where the column lines cross the greeting the text stays clear.
QLabel* create_label(const char* name, const QString& text, TwipsRect rect, QWidget* client) {
    auto* label = new QLabel(text, client);
    label->setObjectName(QLatin1String(name));
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setAutoFillBackground(true);
    label->setGeometry(pixel_rect(rect));
    return label;
}

void create_line(int index, int x, QWidget* client) {
    auto* line = new QFrame(client);
    line->setObjectName(element_name("Line1", index));
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Plain);
    line->setLineWidth(1);
    line->setGeometry(QRect(pixel_point(x, 0), pixel_point(x, line_bottom)));
}

} // namespace

qbl::qbl() : tables_(std::make_unique<WordTables>()) {
    setObjectName(QStringLiteral("qbl"));
    setWindowTitle(QStringLiteral("Quabbel 2 3 4"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setWindowIcon(binoculars());
    create_menu();
    create_controls();
    set_tab_order();
    connect_boxes();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    layout()->activate();
    fit_texts(*this);
    B2[1]->setFocus();
    Form_Load();
}

qbl::~qbl() = default;

void qbl::create_menu() {
    QMenu* datei = menuBar()->addMenu(QStringLiteral("&Datei"));
    datei->setObjectName(QStringLiteral("datei"));
    QAction* info = datei->addAction(QStringLiteral("&Info"));
    info->setObjectName(QStringLiteral("info"));
    connect(info, &QAction::triggered, this, &qbl::info_Click);
    QAction* ende = datei->addAction(QStringLiteral("&Ende"));
    ende->setObjectName(QStringLiteral("ende"));
    connect(ende, &QAction::triggered, this, &qbl::ende_Click);
}

// Created from back to front: the lines lie under the greeting.
void qbl::create_controls() {
    auto* client = new QWidget(this);
    client->setFont(default_font());
    client->setFixedSize(pixels(client_width), pixels(greeting_client_height));
    setCentralWidget(client);

    for (std::size_t index = 0; index < line_1_x.size(); ++index) {
        create_line(static_cast<int>(index), line_1_x[index], client);
    }
    create_boxes(B2, "B2", column_2, client);
    create_boxes(B3, "B3", column_3, client);
    create_boxes(B4, "B4", column_4, client);
    List2 = create_list(2, column_2, client);
    List3 = create_list(3, column_3, client);
    List4 = create_list(4, column_4, client);
    Label1 = create_label("Label1", QStringLiteral("Hallo Scrabbler(in)"), label_1, client);
    Label1->setFont(bold_font());
    Label2 = create_label("Label2", instructions, label_2, client);
}

// Tab leaves the three-letter column between its second and third box to visit the lists of
// the first two columns; hidden lists are passed over.
void qbl::set_tab_order() {
    const std::array<QWidget*, 12> order{B2[1], B2[2], B3[1], B3[2], List2, List3,
                                         B3[3], B4[1], B4[2], B4[3], B4[4], List4};
    for (std::size_t index = 1; index < order.size(); ++index) {
        setTabOrder(order[index - 1], order[index]);
    }
}

void qbl::connect_boxes() {
    for (std::size_t position = 1; position < B2.size(); ++position) {
        const auto index = static_cast<qint16>(position);
        connect(B2[position], &QLineEdit::textChanged, this, [this, index] { B2_Change(index); });
        connect(B2[position], &PositionBox::gotFocus, this, [this, index] { B2_GotFocus(index); });
    }
    for (std::size_t position = 1; position < B3.size(); ++position) {
        const auto index = static_cast<qint16>(position);
        connect(B3[position], &QLineEdit::textChanged, this, [this, index] { B3_Change(index); });
    }
    for (std::size_t position = 1; position < B4.size(); ++position) {
        const auto index = static_cast<qint16>(position);
        connect(B4[position], &QLineEdit::textChanged, this, [this, index] { B4_Change(index); });
    }
}

void qbl::move_to_start_place(const QRect& available_area) {
    const QRect outer = pixel_rect(
        {client_left - frame, client_top - frame_top, results_outer_width, results_outer_height});
    const QPoint client =
        moved_inside(outer, available_area).topLeft() + pixel_point(frame, frame_top);
    setGeometry(QRect(client - centralWidget()->pos(), size()));
}

void qbl::set_outer_width(int twips) {
    centralWidget()->setFixedWidth(pixels(client_width_of(twips)));
    layout()->activate();
}

void qbl::set_outer_height(int twips) {
    centralWidget()->setFixedHeight(pixels(client_height_of(twips)));
    layout()->activate();
}

// Seven steps, always all of them, in this order.
void qbl::enter_results_layout() {
    set_outer_width(results_outer_width);
    set_outer_height(results_outer_height);
    Label1->hide();
    Label2->hide();
    List2->show();
    List3->show();
    List4->show();
}

} // namespace quabbel::ui
