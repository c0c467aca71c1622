// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form1.h"

#include "accessible_texts.h"
#include "application.h"
#include "calc/calculate.h"
#include "chart/caption_label.h"
#include "chart/chart_export.h"
#include "chart/chart_frame.h"
#include "chart/curves.h"
#include "chart/readout.h"
#include "chart/text_box.h"
#include "chart/twips.h"
#include "clipboard.h"
#include "inputs/max_time.h"
#include "inputs/parameters.h"
#include "inputs/time_query.h"
#include "layout.h"
#include "line_control.h"
#include "runtime/fault.h"
#include "window_palette.h"
#include "window_pictures.h"

#include <QIcon>
#include <QMenu>
#include <QPushButton>
#include <algorithm>
#include <limits>
#include <map>
#include <string>
#include <vector>

// The pictures are compiled into the static library, whose resources must be registered by hand.
static void registerAssets()
{
    Q_INIT_RESOURCE(assets);
}

namespace tanvera {

namespace {

QWidget* makeTextBox(const ControlSpec& row, QWidget* parent)
{
    // The font first: text set before it would be laid out twice.
    const QFont font = interfaceFont(row.font);
    auto* box = row.flags & Locked ? new ReadoutBox(font, parent) : new TextBox(parent);
    if (row.font != Fonts::Window)
        box->setFont(font);
    box->setText(QString::fromUtf8(row.text));
    box->setMaxLength(std::numeric_limits<int>::max()); // no box limits its text
    if (row.flags & Centred)
        box->setAlignment(Qt::AlignCenter);
    if (row.flags & Locked) {
        box->setReadOnly(true);
        QPalette palette = box->palette();
        palette.setColor(QPalette::Text, palette.color(QPalette::Disabled, QPalette::Text));
        box->setPalette(palette);
        // Said in words too: screen readers differ in which states they announce.
        box->setAccessibleDescription(QStringLiteral("Solo lectura"));
    }
    box->setAccessibleName(QString::fromUtf8(row.accessibleName));
    return box;
}

QWidget* makeLabel(const ControlSpec& row, QWidget* parent)
{
    auto* label = new CaptionLabel(QString::fromUtf8(row.text), parent);
    label->setAlignment(
        (row.flags & Centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter);
    label->setAutoFillBackground(row.flags & Opaque);
    if (row.flags & Bordered)
        label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setAccessibleName(label->text());
    return label;
}

QWidget* makeLine(const ControlSpec& row, QWidget* parent)
{
    const QPoint from(twipsToPixels(row.left), twipsToPixels(row.top));
    const QPoint to(twipsToPixels(row.width), twipsToPixels(row.height));
    const QColor colour = row.lineColour == 0 ? QColor() : QColor(toQRgb(row.lineColour));
    return new LineControl(from, to, colour, row.lineWidth, parent);
}

QWidget* makeControl(const ControlSpec& row, QWidget* parent)
{
    switch (row.kind) {
    case ControlKind::Button: {
        auto* button = new QPushButton(QString::fromUtf8(row.text), parent);
        button->setAutoDefault(false); // Enter and Esc press no button
        return button;
    }
    case ControlKind::TextBox:
        return makeTextBox(row, parent);
    case ControlKind::PictureBox:
        return new Picture2(static_cast<float>(row.width), static_cast<float>(row.height), parent);
    case ControlKind::Frame:
        return new FrameBox(QString::fromUtf8(row.text), parent);
    case ControlKind::Label:
        return makeLabel(row, parent);
    case ControlKind::Line:
        return makeLine(row, parent);
    case ControlKind::Image:
        return new SvgPicture(QString::fromUtf8(row.text), parent);
    }
    return nullptr;
}

} // namespace

Form1::Form1(char separator, MessageBox& messages, QWidget* parent)
    : QWidget(parent)
    , m_state(std::make_unique<ChartState>())
    , m_form {.state = *m_state, .messages = messages, .separator = separator}
{
    registerAssets();
    installChartAccessibility();
    setWindowTitle(QStringLiteral("TANVERA"));
    setWindowIcon(svgIcon(QStringLiteral(":/tanvera.svg")));
    setFont(interfaceFont(Fonts::Window));
    setPalette(windowPalette()); // before the controls: the locked boxes take their grey from it
    setFixedSize(twipsToPixels(ClientWidthTwips), twipsToPixels(ClientHeightTwips));
    buildControls();
    wireEvents();
    buildChartMenu();
    Form_Load();
    m_form.Text1(0)->setFocus();
}

Form1::~Form1() = default;

void Form1::buildControls()
{
    // Created from the bottom of the stacking order up, so each control lies over the ones
    // below it; the frame's own controls follow, stacked among themselves.
    const auto layout = windowLayout();
    std::map<std::string, QWidget*> byName;
    std::vector<std::pair<int, QWidget*>> focusOrder;
    for (bool inFrame : {false, true}) {
        for (auto row = layout.rbegin(); row != layout.rend(); ++row) {
            if (bool(row->flags & InFrame) != inFrame)
                continue;
            QWidget* parent = inFrame ? byName.at("Frame1") : this;
            QWidget* control = makeControl(*row, parent);
            control->setObjectName(QString::fromUtf8(row->name));
            if (row->kind != ControlKind::Line)
                control->setGeometry(twipsRect(row->left, row->top, row->width, row->height));
            // A text box already has its font: set again, it would lay out its text again.
            if (row->font != Fonts::Window && row->kind != ControlKind::TextBox)
                control->setFont(interfaceFont(row->font));
            if (auto* label = qobject_cast<CaptionLabel*>(control))
                label->showCaption(label->caption()); // laid out in its place and type
            control->setVisible(!(row->flags & Hidden));
            // The chart too, so that a keyboard reaches its menu and a screen reader hears it.
            const bool takesFocus = row->kind == ControlKind::TextBox
                || row->kind == ControlKind::Button || row->kind == ControlKind::PictureBox;
            control->setFocusPolicy(takesFocus ? Qt::StrongFocus : Qt::NoFocus);
            if (takesFocus)
                focusOrder.emplace_back(row->tabIndex, control);
            byName[row->name] = control;
        }
    }
    std::sort(focusOrder.begin(), focusOrder.end());
    for (std::size_t i = 1; i < focusOrder.size(); ++i)
        setTabOrder(focusOrder[i - 1].second, focusOrder[i].second);

    auto find = [&](const std::string& name) { return byName.at(name); };
    for (long i = 0; i <= 6; ++i)
        m_form.Text1(i) = static_cast<QLineEdit*>(find("Text1(" + std::to_string(i) + ")"));
    for (long i = 0; i <= 2; ++i) {
        m_form.Line3(i) = find("Line3(" + std::to_string(i) + ")");
        m_form.Label4(i) = static_cast<CaptionLabel*>(find("Label4(" + std::to_string(i) + ")"));
    }
    m_form.Text2 = static_cast<QLineEdit*>(find("Text2"));
    m_form.outflow = static_cast<ReadoutBox*>(m_form.Text1(6));
    m_form.Label2 = static_cast<CaptionLabel*>(find("Label2"));
    m_form.Label5 = static_cast<CaptionLabel*>(find("Label5"));
    // The hours stand near the window's right edge: a long value may take the room up to it.
    m_form.Label5->setRoomToTheRight(width() - twipsToPixels(120));
    m_form.Label6 = static_cast<CaptionLabel*>(find("Label6(0)"));
    m_form.picture = static_cast<Picture2*>(find("Picture2"));
}

void Form1::Form_Load()
{
    runEvent([this] {
        ReadInputs(m_form);
        DrawChartFrame(m_form);
        m_form.state.CurveSlot = 0;
    });
}

void Form1::wireEvents()
{
    for (long i = 0; i <= 6; ++i) {
        const auto index = static_cast<std::int16_t>(i);
        connect(m_form.Text1(i), &QLineEdit::textChanged, this,
            [this, index] { runEvent([&] { Text1_Change(m_form, index); }); });
    }
    connect(m_form.Text2, &QLineEdit::textChanged, this,
        [this] { runEvent([&] { Text2_Change(m_form); }); });
    connect(findChild<QPushButton*>(QStringLiteral("Command1")), &QPushButton::clicked, this,
        [this] { runEvent([&] { Command1_Click(m_form); }); });
    connect(findChild<QPushButton*>(QStringLiteral("Command2")), &QPushButton::clicked, this,
        [this] { runEvent([&] { Command2_Click(m_form); }); });
    connect(findChild<QPushButton*>(QStringLiteral("Command3")), &QPushButton::clicked, this,
        &QWidget::close);
    // A readout that cannot be computed is reported once, not at every move of the pointer.
    connect(m_form.picture, &Picture2::mouseMoved, this, [this](float x, float y) {
        const bool done
            = runEvent([&] { Picture2_MouseMove(m_form, x, y); }, !m_readoutFaultReported);
        m_readoutFaultReported = !done;
    });
}

void Form1::buildChartMenu()
{
    // Shown with popup(), which returns at once: a menu of its own event loop would stand in the
    // way of a message box's, and a browser's page runs only one at a time.
    auto* menu = new QMenu(m_form.picture);
    QAction* copyChart = menu->addAction(QStringLiteral("Copiar gráfica"));
    m_copyData = menu->addAction(QStringLiteral("Copiar datos"));
    m_copyData->setEnabled(false);
    m_form.picture->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_form.picture, &QWidget::customContextMenuRequested, menu,
        [this, menu](QPoint at) { menu->popup(m_form.picture->mapToGlobal(at)); });
    connect(copyChart, &QAction::triggered, this,
        [this] { copyPicture(chartWithLegend(m_form), this); });
    connect(m_copyData, &QAction::triggered, this,
        [this] { copyText(qText(curvesAsTabSeparated(m_form.drawn, m_form.separator)), this); });
}

void Form1::afterEvent()
{
    m_copyData->setEnabled(m_form.drawn.curveCount() > 0);
    refreshChartAccessibleTexts(m_form);
    refreshReadoutAccessibleNames(m_form);
}

template <typename Procedure> bool Form1::runEvent(Procedure&& procedure, bool report)
{
    std::string message;
    try {
        procedure();
        afterEvent();
        return true;
    } catch (const RuntimeFault& fault) {
        message = faultMessage(fault, m_form.separator);
    } catch (const std::bad_alloc&) {
        message = "Error en tiempo de ejecución: memoria insuficiente.";
    } catch (const std::exception& error) {
        message = std::string("Error en tiempo de ejecución: ") + error.what();
    }
    // A fault can leave a redraw half done: the legends and the slots follow what is drawn.
    keepToTheDrawnCurves(m_form);
    afterEvent();
    if (report)
        m_form.messages.show(message);
    return false;
}

} // namespace tanvera
