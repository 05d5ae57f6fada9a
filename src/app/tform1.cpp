#include "tform1.h"

#include "appfonts.h"
#include "controls/mainsliders.h"
#include "controls/tgradienttrackbar.h"
#include "counterlungview.h"
#include "errorbox.h"
#include "formparametersource.h"
#include "graph/tdivegraph.h"
#include "pictures.h"
#include "profile/settingsfile.h"
#include "setup/formsettings.h"
#include "setup/namedpresets.h"
#include "setup/typepresets.h"
#include "taboutform.h"
#include "tloopdetales.h"
#include "util/error.h"
#include "util/numtext.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>

// An input row of the data block: the field, its caption and the caption's hint.
struct InputRow
{
    Edit edit;
    const char *label;
    const char *caption;
    const char *labelHint;
    const char *fieldHint;
};

namespace {

const QColor kWindow(169, 209, 250); // #A9D1FA
const QColor kDataBlock(235, 235, 235); // #EBEBEB
const QColor kRowLabel(230, 230, 230); // #E6E6E6
const QColor kBlueA(99, 135, 241); // #6387F1, even input rows
const QColor kBlueB(108, 108, 255); // #6C6CFF, odd input rows
const QColor kSilver(192, 192, 192);
const QColor kTank(16, 68, 188);
const QColor kTableText(99, 135, 241);
const QColor kConsole(110, 110, 110);

QColor toQColor(Rgb c)
{
    return QColor(c.r, c.g, c.b);
}

QFont windowFont()
{
    return designFont(QStringLiteral("Comic Sans MS"), 12, true);
}

void setColours(QWidget *w, const QColor &text, const QColor &background)
{
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Text, text);
    if (background.isValid()) {
        p.setColor(QPalette::Window, background);
        w->setAutoFillBackground(true);
    }
    w->setPalette(p);
}

void setPaletteColour(QWidget *w, QPalette::ColorRole role, const QColor &colour)
{
    QPalette p = w->palette();
    if (p.color(role) == colour)
        return;
    p.setColor(role, colour);
    w->setPalette(p);
}

void setPaletteColour(
        QWidget *w, QPalette::ColorGroup group, QPalette::ColorRole role, const QColor &colour)
{
    QPalette p = w->palette();
    p.setColor(group, role, colour);
    w->setPalette(p);
}

void setTextColour(QLabel *label, const QColor &colour)
{
    setPaletteColour(label, QPalette::WindowText, colour);
}

void setBackground(QLabel *label, const QColor &colour)
{
    setPaletteColour(label, QPalette::Window, colour);
}

constexpr InputRow kInputRows[] = {
        {Edit::minLoopVolume, "Label4", "Минимальный объём контура (Литров) ", "", ""},
        {Edit::maxLoopVolume, "Label5", "Максимальный объём контура (Литров) ", "", ""},
        {Edit::startLoopVolume, "Label6", "Начальный объём контура (Литров) ", "", ""},
        {Edit::descentRate, "Label7", "Скорость погружения (Метров в минуту) ", "", ""},
        {Edit::ascentRate, "Label8", "Скорость всплытия (Метров в минуту) ", "", ""},
        {Edit::setpoint1, "Label9", "1 Уставка РРО2 (Кг/см^2) ", "", ""},
        {Edit::setpoint2, "Label10", "2 Уставка РРО2 (Кг/см^2)", "", ""},
        {Edit::startPPO2, "Label11", "Начальное РРО2 в контуре (Кг/см^2) ", "", ""},
        {Edit::o2SolenoidFlow, "Label14", "Подача кислорода через ЭМ клапан (Литров в минуту) ", "",
                ""},
        {Edit::dilSolenoidFlow, "Label15", "Подача дилюента через ЭМ клапан (Литров в минуту) ", "",
                ""},
        {Edit::o2BypassFlow, "Label20", "Подача кислорода через байпас (Литров в минуту) ", "", ""},
        {Edit::dilBypassFlow, "Label21", "Подача дилюента через байпас (Литров в минуту) ", "", ""},
        {Edit::o2ConstantFlow, "Label22", "Постоянная подача кислорода (Литров в минуту) ", "", ""},
        {Edit::dilConstantFlow, "Label79", "Постоянная подача дилюента (Литров в минуту) ", "", ""},
        {Edit::regenerationRatio, "Label78", "Коэффициент регенерации", "", ""},
        {Edit::dilO2Percent, "Label23", "Содержание кислорода в дилюенте (%)", "", ""},
        {Edit::dilHePercent, "Label73", "Содержание гелия в дилюенте (%)", "", ""},
        {Edit::o2SupplyVolume, "Label12", "Объём кислорода в баллоне (Литров) ",
                "Объём кислорода (при атмосферном давлении) который закачан в баллон", ""},
        {Edit::dilSupplyVolume, "Label13", "Объём дилюента в баллоне (Литров) ",
                "Объём дилюента (при атмосферном давлении) который закачан в баллон", ""},
        {Edit::tickMs, "Label25", "Время дискретизации (миллисек)", "",
                "Минимальное -10 мсек. Максимальное - 1000 мсек."},
};

// The decompression block's rows below the speed slider.
constexpr InputRow kDecoRows[] = {
        {Edit::decoStepSeconds, "Label76", "Время дискретизации декомпрессионного блока (сек)",
                "Отрезок времени за который программа будет делать один проход "
                "декомпрессионных рассчётов",
                "Оптимальное - 5...15 сек. Минимальное - 1сек. Максимальное-  60сек."},
        {Edit::startTissueN2, "Label115",
                "Начальное парциальное давление азота в тканях (Кг/см^2) ", "",
                "Оставить неизменным если вы находитесь на уровне моря и это первый дайв"},
        {Edit::startTissueHe, "Label116",
                "Начальное парциальное давление гелия в тканях (Кг/см^2) ", "",
                "Поставить равным нулю если это ваш первый дайв"},
};

constexpr const char *kCeilingLabels[16] = {"Label43", "Label44", "Label45", "Label46", "Label47",
        "Label48", "Label49", "Label50", "Label51", "Label52", "Label53", "Label54", "Label55",
        "Label56", "Label57", "Label58"};
constexpr const char *kHeLabels[16] = {"Label85", "Label86", "Label87", "Label88", "Label89",
        "Label97", "Label98", "Label99", "Label100", "Label101", "Label102", "Label103", "Label104",
        "Label105", "Label106", "Label107"};
constexpr const char *kN2Labels[16] = {"Label27", "Label28", "Label29", "Label30", "Label31",
        "Label32", "Label33", "Label34", "Label35", "Label36", "Label37", "Label38", "Label39",
        "Label40", "Label41", "Label42"};

// Keeps a user's mouse from changing a lamp or a locked slider; the program
// still sets them.
class MouseBlocker : public QObject
{
public:
    using QObject::QObject;
    bool blocking = true;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (!blocking)
            return false;
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
            return true;
        default:
            return false;
        }
    }
};

// A type radio button: a click checks it but never unchecks it. The window
// keeps the four exclusive itself, because Qt's exclusive buttons cannot all
// be unchecked, and no type at all is a valid state.
class TypeRadioButton : public QRadioButton
{
public:
    using QRadioButton::QRadioButton;

protected:
    void nextCheckState() override { setChecked(true); }
};

// The outer top-left corner that centres \a dialog over \a main by the outer
// sizes of both. A window gets its frame only when first shown: until then
// the dialog is taken to have the main window's.
QPoint centredOver(const QWidget *main, const QWidget *dialog)
{
    const QRect outer = main->frameGeometry();
    QSize size = dialog->frameGeometry().size();
    if (size == dialog->size())
        size += outer.size() - main->size();
    return QPoint(int(outer.left() + outer.width() / 2.0 - size.width() / 2.0),
            int(outer.top() + outer.height() / 2.0 - size.height() / 2.0));
}

bool askCloseWithoutSaving(QWidget *parent, const QString &message)
{
    QMessageBox box(
            QMessageBox::Critical, parent->windowTitle(), QString(), QMessageBox::NoButton, parent);
    setErrorText(box, message);
    box.setInformativeText(QStringLiteral("Настройки не сохранены. Закрыть программу без "
                                          "сохранения настроек?"));
    QPushButton *discard =
            box.addButton(QStringLiteral("Закрыть без сохранения"), QMessageBox::DestructiveRole);
    QPushButton *stay = box.addButton(QStringLiteral("Не закрывать"), QMessageBox::RejectRole);
    box.setDefaultButton(stay);
    box.setEscapeButton(stay);
    box.exec();
    return box.clickedButton() == discard;
}

} // namespace

TForm1::TForm1(SimulationState &state, DiveHistory &history, QWidget *parent) : QWidget(parent)
{
    loadDesignFonts();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Loopwright (Бэта - для тестов и вдумчивого использования)"));
    setWindowIcon(loopwrightIcon());
    setFixedSize(774, 588);
    setFont(windowFont());
    setColours(this, Qt::black, kWindow);

    buildDataBlock();
    buildPresetBox();
    buildDecoBlock();
    buildSliderColumns();
    buildConsole();
    buildTank();
    buildRunButtons();

    m_params = std::make_unique<FormParameterSource>(m_edits, m_sliders, m_checks);
    m_simulation = std::make_unique<Simulation>(*m_params, state, history);
    connectReactions();

    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(m_simulation->view().controls.timerIntervalMs);
    connect(&m_timer, &QTimer::timeout, this, &TForm1::TimerPPO2Timer);
    m_errorSink = [this](const QString &message) {
        auto *box = new QMessageBox(
                QMessageBox::Critical, windowTitle(), QString(), QMessageBox::Ok, this);
        setErrorText(*box, message);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->setWindowModality(Qt::ApplicationModal);
        box->open(); // returns at once: the handler ends and the timer goes on
    };
    m_closeQuestion = [this](const QString &message) {
        return askCloseWithoutSaving(this, message);
    };

    // FormCreate: the window opens at the screen's top-left corner; the
    // simulation starts as the state was constructed, the bypass and graph
    // buttons disabled, the history cleared.
    move(0, 0);
    history.clear();
    state.dilBypassAvailable = true;
    m_shown = m_simulation->view();
    applyControls(m_shown.controls);
}

TForm1::~TForm1() = default;

ParameterSource &TForm1::params()
{
    return *m_params;
}

void TForm1::setDialogs(TAboutForm *about, TDiveGraph *graph, TLoopdetales *details)
{
    m_about = about;
    m_graph = graph;
    m_details = details;
}

void TForm1::setErrorSink(std::function<void(const QString &)> sink)
{
    m_errorSink = std::move(sink);
}

void TForm1::setSettingsFile(std::optional<std::filesystem::path> path)
{
    m_settingsPath = std::move(path);
}

void TForm1::setCloseQuestion(std::function<bool(const QString &)> question)
{
    m_closeQuestion = std::move(question);
}

void TForm1::reportError(const QString &message)
{
    if (m_errorSink)
        m_errorSink(message);
}

QLabel *TForm1::makeLabel(const char *name, int x, int y, const QString &text, const QFont &font,
        const QColor &textColour, const QColor &background)
{
    auto *label = new QLabel(text, this);
    label->setObjectName(QLatin1String(name));
    label->setFont(font);
    setColours(label, textColour, background);
    label->move(x, y);
    label->adjustSize();
    return label;
}

QPushButton *TForm1::makeButton(const char *name, const QRect &rect, const QString &text,
        const QFont &font, const QString &hint)
{
    auto *button = new QPushButton(text, this);
    button->setObjectName(QLatin1String(name));
    button->setFont(font);
    button->setGeometry(rect);
    button->setToolTip(hint);
    return button;
}

QCheckBox *TForm1::makeCheck(
        Check box, int x, int y, const QString &text, const QString &hint, const QColor &background)
{
    auto *check = new QCheckBox(text, this);
    check->setObjectName(QString::fromUtf8(
            kChecks[int(box)].control.data(), qsizetype(kChecks[int(box)].control.size())));
    check->setToolTip(hint);
    check->setChecked(kChecks[int(box)].defaultChecked);
    setColours(check, QColor(16, 68, 188), background);
    // A type preset disables boxes; their captions grey out like the labels'.
    setPaletteColour(check, QPalette::Disabled, QPalette::WindowText, kSilver);
    check->move(x, y);
    check->adjustSize();
    m_checks[int(box)] = check;
    return check;
}

// An input field at (8, y) with its caption label beside it.
void TForm1::addInputRow(const InputRow &row, int y, const QColor &captionColour)
{
    auto *field = new QLineEdit(this);
    const FieldInfo &info = kFields[editIndex(row.edit)];
    field->setObjectName(
            QString::fromUtf8(editName(row.edit).data(), qsizetype(editName(row.edit).size())));
    field->setText(QString::fromUtf8(info.defaultText.data(), qsizetype(info.defaultText.size())));
    field->setGeometry(8, y, 45, 20);
    field->setToolTip(QString::fromUtf8(row.fieldHint));
    m_edits[editIndex(row.edit)] = field;
    QLabel *label = makeLabel(row.label, 56, y + 2, QString::fromUtf8(row.caption), windowFont(),
            captionColour, kRowLabel);
    label->setToolTip(QString::fromUtf8(row.labelHint));
    m_captions[editIndex(row.edit)] = label;
    if (row.edit == Edit::dilSolenoidFlow)
        m_label15 = label;
}

void TForm1::buildDataBlock()
{
    auto *block = new QLabel(this);
    block->setObjectName(QStringLiteral("Labeldatablock"));
    block->setGeometry(0, 0, 429, 457);
    block->setToolTip(QStringLiteral("Содержит поля для ввода исходных данных"));
    setColours(block, Qt::black, kDataBlock);

    int y = 8;
    int index = 0;
    for (const InputRow &row : kInputRows) {
        addInputRow(row, y, index % 2 == 0 ? kBlueA : kBlueB);
        y += 20;
        ++index;
    }
    // The O2 cylinder field has no hint of its own; Edit2 shows none.
    makeCheck(Check::advOnOxygen, 320, 48, QStringLiteral("ЛА на O2"),
            QStringLiteral("Переключает лёгочный автомат на кислород (выбрано - кислород, "
                           "пусто - дилюент)"),
            kDataBlock);
    makeCheck(Check::setpoint1Active, 232, 108, QStringLiteral("Активация"),
            QStringLiteral("Активация первой уставки PPO2 для eCCR"), kDataBlock);
    makeCheck(Check::setpoint2Active, 232, 128, QStringLiteral("Активация"),
            QStringLiteral("Активация второй уставки PPO2 для eCCR"), kDataBlock);
    makeCheck(Check::o2SolenoidStuck, 392, 171, QStringLiteral("Авария О2"),
            QStringLiteral("Авария ЭМ клапана О2 (выбран - открыт постоянно)"), kDataBlock);
    makeCheck(Check::dilSolenoidStuck, 392, 188, QString(),
            QStringLiteral("Авария ЭМ клапана дилюента (выбран - открыт постоянно)"), kDataBlock);
    makeCheck(Check::dilSolenoidDisabled, 408, 188, QString(),
            QStringLiteral("Отключение ЭМ клапана дилюента (выбран - отключено)"), kDataBlock);
    // The failure and switch-off boxes stand at the end of the solenoid rows,
    // where the data block leaves room for the box alone; like its diluent
    // neighbours, "Авария О2" explains itself by its hint.
    for (Check box : {Check::o2SolenoidStuck, Check::dilSolenoidStuck, Check::dilSolenoidDisabled})
        m_checks[int(box)]->setFixedSize(16, 17);

    auto *details = makeButton("Button11", QRect(304, 9, 97, 35), QStringLiteral("=>> Подробно"),
            windowFont(), QStringLiteral("Ввод подробных характеристик контура"));
    connect(details, &QPushButton::clicked, this, &TForm1::Button11Click);
}

void TForm1::buildPresetBox()
{
    const QFont arial = designFont(QStringLiteral("Arial"), 12, true);
    connect(makeButton("Button8", QRect(296, 292, 65, 17), QStringLiteral("Загрузить"), arial,
                    QStringLiteral("Загрузка сохранённой предустановки")),
            &QPushButton::clicked, this, &TForm1::Button8Click);
    connect(makeButton("Button7", QRect(360, 292, 65, 17), QStringLiteral("Удалить"), arial,
                    QStringLiteral("Удалить выбранную запись")),
            &QPushButton::clicked, this, &TForm1::Button7Click);
    m_presets = new QListWidget(this);
    m_presets->setObjectName(QStringLiteral("ListBox1"));
    m_presets->setGeometry(296, 312, 130, 139);
    m_presets->setFont(designFont(QStringLiteral("Small Fonts"), 8));
    m_presets->setUniformItemSizes(true);
    m_presets->setStyleSheet(QStringLiteral("QListWidget::item { height: 10px; padding: 0px; }"));
    connect(makeButton("Button6", QRect(8, 416, 97, 20), QStringLiteral("Сохранить как:"), arial,
                    QStringLiteral("Добавить предустановку в базу")),
            &QPushButton::clicked, this, &TForm1::Button6Click);
    auto *name = new QLineEdit(QStringLiteral("Настройка 1"), this);
    name->setObjectName(QStringLiteral("Edit25"));
    name->setGeometry(112, 415, 153, 23);
    name->setFont(designFont(QStringLiteral("Comic Sans MS"), 11));
    name->setToolTip(QStringLiteral("Впишите сюда название сохраняемой настройки"));
    m_edits[editIndex(Edit::presetName)] = name;
    makeLabel("Label24", 266, 419, QStringLiteral("=>>"), windowFont(), kBlueB);

    struct Type
    {
        const char *name;
        QRect rect;
        const char *caption;
        const char *hint;
    };
    const Type types[] = {
            {"RadioButton2", QRect(8, 440, 57, 17), "eCCR",
                    "Предустановка эмуляции замкнутого ребризера с электронным управлением"},
            {"RadioButton3", QRect(72, 440, 57, 17), "mCCR",
                    "Предустановка эмуляции замкнутого ребризера с ручным управлением (KISS)"},
            {"RadioButton4", QRect(136, 440, 65, 17), "O2 CCR",
                    "Предустановка эмуляции замкнутого кислородного ребризера "},
            {"RadioButton5", QRect(208, 440, 81, 17), "Вручную",
                    "Настройка всех параметров вручную"},
    };
    for (int i = 0; i < 4; ++i) {
        auto *radio = new TypeRadioButton(QString::fromUtf8(types[i].caption), this);
        radio->setObjectName(QLatin1String(types[i].name));
        radio->setAutoExclusive(false);
        radio->setGeometry(types[i].rect);
        radio->setToolTip(QString::fromUtf8(types[i].hint));
        setColours(radio, QColor(16, 68, 188), kDataBlock);
        m_types[i] = radio;
        connect(radio, &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                typeChecked(i);
        });
    }

    auto *speed = new TGradientTrackBar(this);
    configureMainSlider(*speed, MainSlider::trackbarspeed);
    m_sliders[int(Slider::simSpeed)] = speed;

    connect(makeButton("Button3", QRect(296, 462, 58, 17), QStringLiteral("Дефолт"), arial,
                    QStringLiteral("Установка всех значений по умолчанию")),
            &QPushButton::clicked, this, &TForm1::Button3Click);
    QFont times = designFont(QStringLiteral("Times New Roman"), 11);
    QPushButton *about =
            makeButton("Button9", QRect(358, 462, 68, 17), QStringLiteral("О программе"), times);
    QPalette blue = about->palette();
    blue.setColor(QPalette::ButtonText, Qt::blue);
    about->setPalette(blue);
    connect(about, &QPushButton::clicked, this, &TForm1::Button9Click);
}

void TForm1::buildDecoBlock()
{
    int y = 484;
    int index = 1;
    for (const InputRow &row : kDecoRows) {
        addInputRow(row, y, index % 2 == 0 ? kBlueA : kBlueB);
        y += 20;
        ++index;
    }
    auto *conservatism = new QLineEdit(QStringLiteral("0"), this);
    conservatism->setObjectName(QStringLiteral("Edit22"));
    conservatism->setGeometry(384, 484, 41, 20);
    conservatism->setToolTip(
            QStringLiteral("Коэффициент консерватизма декообсчётов. Минимум - 0, максимум - 10. "));
    m_edits[editIndex(Edit::conservatism)] = conservatism;

    const QString safeHint =
            QStringLiteral("Глубина на которую можно всплыть без риска получить ДКБ");
    const QColor valueColour(108, 108, 255);
    makeLabel("Label61", 40, 545, QStringLiteral("Глубина безопасного всплытия (Метров)"),
            windowFont(), kTank)
            ->setToolTip(safeHint);
    m_label62 =
            makeLabel("Label62", 9, 544, QStringLiteral("0"), windowFont(), valueColour, kWindow);
    m_label62->setFixedSize(32, 20);
    m_label62->setToolTip(safeHint);
    m_label66 =
            makeLabel("Label66", 304, 545, QStringLiteral(" ПОГРУЖАЙСЯ!!!"), windowFont(), Qt::red);
    m_label66->setFixedSize(105, 16);
    m_label66->setToolTip(safeHint);
    m_label66->hide();
    makeLabel("Label64", 40, 564, QStringLiteral("Время бездекомпрессионного дайва (Мин)"),
            windowFont(), kTank)
            ->setToolTip(QStringLiteral("Время которое дайвер может провести на текущей глубине "
                                        "без необходимости совершать декомпрессионную остановку "
                                        "при всплытии"));
    m_label63 = makeLabel("Label63", 9, 562, QStringLiteral("0"), windowFont(), valueColour);
    m_label63->setFixedSize(40, 20);
    m_label63->setToolTip(QStringLiteral("Время которое дайвер может провести на текущей глубине "
                                         "без необходимости совершать декомпрессионную остановку"));
    auto *forecast = makeButton("Button5", QRect(299, 565, 129, 17),
            QStringLiteral("Обновить бездек. время"), designFont(QStringLiteral("Arial"), 10, true),
            QStringLiteral("Нажмите чтобы начать просчёт"));
    connect(forecast, &QPushButton::clicked, this, &TForm1::Button5Click);
}

void TForm1::buildSliderColumns()
{
    const QFont small = designFont(QStringLiteral("Comic Sans MS"), 12, true);
    auto counter = [&](const char *name, int x, const QColor &bg, const QColor &fg,
                           const char *hint) {
        QLabel *l = makeLabel(name, x, 0, QString(), small, fg, bg);
        l->setFixedSize(41, 32);
        l->setAlignment(Qt::AlignCenter);
        l->setToolTip(QString::fromUtf8(hint));
        return l;
    };
    m_label16 =
            counter("Label16", 428, kDataBlock, QColor(0, 196, 196), "Расход кислорода в литрах");
    m_label17 = counter("Label17", 469, kSilver, QColor(0, 0, 255), "Расход дилюента в литрах");
    m_label18 = counter("Label18", 509, kDataBlock, QColor(0, 128, 64),
            "Выделено (и поглощено ХПИ) углекислого газа в литрах");

    const QFont big = designFont(QStringLiteral("Comic Sans MS"), 19, true);
    auto value = [&](const char *name, int x, int w, const QColor &bg, const QColor &fg,
                         const char *hint) {
        QLabel *l = makeLabel(name, x, 43, QStringLiteral("0"), big, fg, bg);
        l->setFixedSize(w, 29);
        l->setAlignment(Qt::AlignCenter);
        l->setToolTip(QString::fromUtf8(hint));
        return l;
    };
    m_labelO2burncurrent = value("LabelO2burncurrent", 429, 41, kDataBlock, QColor(123, 146, 249),
            "Текущее потребление кислорода в литрах в минуту");
    m_labelsetmaxdepth = value("labelsetmaxdepth", 469, 40, QColor(87, 154, 227),
            QColor(0, 255, 255), "Текущая максимальная глубина в метрах");
    m_labelsetstartdepth = value("labelsetstartdepth", 509, 40, QColor(87, 154, 227),
            QColor(0, 255, 255), "Текущая начальная глубина в метрах");

    auto *o2 = new TGradientTrackBar(this);
    configureMainSlider(*o2, MainSlider::TrackBarO2burn);
    m_sliders[int(Slider::o2Consumption)] = o2;
    auto *maxDepth = new TGradientTrackBar(this);
    configureMainSlider(*maxDepth, MainSlider::trackbarmaxdepth);
    m_sliders[int(Slider::maxDepth)] = maxDepth;

    m_progressBar1 = new QProgressBar(this);
    m_progressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    m_progressBar1->setOrientation(Qt::Vertical);
    m_progressBar1->setRange(0, 100);
    m_progressBar1->setValue(100);
    m_progressBar1->setTextVisible(false);
    m_progressBar1->setGeometry(504, 72, 9, 481);
    m_progressBar1->setToolTip(QStringLiteral("Отмечает \"потолок\" всплытия для следующей ДКО"));

    auto *startDepth = new TGradientTrackBar(this);
    configureMainSlider(*startDepth, MainSlider::trackbarsetstartdepth);
    m_sliders[int(Slider::startDepth)] = startDepth;
}

void TForm1::buildConsole()
{
    auto *console = new QLabel(this);
    console->setObjectName(QStringLiteral("labelconsole"));
    console->setGeometry(550, 0, 220, 73);
    console->setToolTip(QStringLiteral("Консоль приборов контроля погружения"));
    setColours(console, Qt::white, kConsole);

    const QFont gasFont = designFont(QStringLiteral("Comic Sans MS"), 12, true, true);
    makeLabel("Label26", 560, 0, QStringLiteral("PPN2="), gasFont, Qt::white, kConsole);
    m_labelppn2 =
            makeLabel("labelppn2", 600, 0, QStringLiteral("N/A"), gasFont, Qt::white, kConsole);
    m_labelppn2->setFixedSize(33, 16);
    m_labelppn2->setToolTip(QStringLiteral("Парциальное давление азота в контуре"));
    makeLabel("Label65", 688, 0, QStringLiteral("PPHe="), gasFont, Qt::white, kConsole);
    m_labelpphe =
            makeLabel("Labelpphe", 728, 0, QStringLiteral("N/A"), gasFont, Qt::white, kConsole);
    m_labelpphe->setFixedSize(33, 16);
    m_labelpphe->setToolTip(QStringLiteral("Парциальное давление гелия в контуре"));

    makeLabel("Label1", 560, 15, QStringLiteral("PPO2"), windowFont(), Qt::white);
    makeLabel("Label2", 628, 15, QStringLiteral("Глубина"), windowFont(), Qt::white);
    makeLabel("Label19", 704, 15, QStringLiteral("Время"), windowFont(), Qt::white);

    const QFont tahoma = designFont(QStringLiteral("Tahoma"), 21, true, true);
    m_labelppo2 = makeLabel(
            "labelppo2", 555, 40, QStringLiteral("N/A"), tahoma, toQColor(kPpo2Blue), kSilver);
    m_labelppo2->setFixedSize(65, 25);
    m_labelppo2->setToolTip(QStringLiteral("Показания датчика РРО2 в килограммах на кв.см."));
    m_labeldepth = makeLabel(
            "labeldepth", 627, 40, QStringLiteral("N/A"), tahoma, QColor(0, 0, 255), kDataBlock);
    m_labeldepth->setFixedSize(65, 25);
    m_labeldepth->setToolTip(QStringLiteral("Показания датчика глубины в метрах"));
    m_label3 = makeLabel("Label3", 699, 40, QStringLiteral("0.00.00"),
            designFont(QStringLiteral("Sylfaen"), 17), QColor(0, 0, 255), kDataBlock);
    m_label3->setFixedSize(65, 25);
    m_label3->setToolTip(QStringLiteral("Показания секундомера от начала \"дайва\""));
}

void TForm1::buildTank()
{
    auto *tank = new QLabel(this);
    tank->setObjectName(QStringLiteral("labelwatertank"));
    tank->setGeometry(551, 72, 219, 481);
    setColours(tank, Qt::white, kTank);

    const QColor scale(169, 209, 250);
    makeLabel("Label0m", 548, 73, QStringLiteral("0м"), windowFont(), scale);
    makeLabel("Label50m", 548, 306, QStringLiteral("50м"), windowFont(), scale);
    makeLabel("Label100m", 548, 540, QStringLiteral("100м"), windowFont(), scale);

    m_imgcounterlung = new CounterlungView(this);
    m_imgcounterlung->setObjectName(QStringLiteral("imgcounterlung"));
    m_imgcounterlung->setGeometry(640, 104, 121, 97);

    m_imgmain = new QLabel(this);
    m_imgmain->setObjectName(QStringLiteral("imgmain"));
    m_imgmain->setPixmap(diverPicture());
    m_imgmain->setGeometry(568, 73, 67, 43);
    m_imgmain->setToolTip(QStringLiteral("Это вы :)"));

    auto lamp = [&](Check box, int x, int y, const char *hint) {
        QCheckBox *c = makeCheck(box, x, y, QString(), QString::fromUtf8(hint), kTank);
        c->setFixedSize(14, 14);
        c->setFocusPolicy(Qt::NoFocus);
        // Lamps show state only: a click does not toggle them.
        auto *blocker = new MouseBlocker(c);
        c->installEventFilter(blocker);
    };
    lamp(Check::opvLamp, 692, 104, "Состояние клапана сброса (выбран - закрыто)");
    lamp(Check::o2SolenoidLamp, 646, 139, "ЭМ клапан кислорода (выбран - закрыто)");
    lamp(Check::dilSolenoidLamp, 742, 139, "ЭМ клапан дилюента (выбран - закрыто)");
    lamp(Check::o2AdvLamp, 646, 155, "ЛА кислорода (выбран - закрыто)");
    lamp(Check::dilAdvLamp, 742, 155, "ЛА дилюента (выбран - закрыто)");

    m_label80 = makeLabel("Label80", 685, 146, QStringLiteral("N/A"),
            designFont(QStringLiteral("Comic Sans MS"), 12, true, true), kTableText, kTank);
    m_label80->setFixedSize(33, 16);
    m_label80->setToolTip(QStringLiteral("Текущий объём цикла в литрах"));

    const QFont bypassFont = designFont(QStringLiteral("Comic Sans MS"), 9);
    m_bitBtn1 =
            makeButton("BitBtn1", QRect(640, 192, 57, 20), QStringLiteral("Байпас О2"), bypassFont,
                    QStringLiteral("Подаёт кислород в обход автомата со скоростью подачи кислорода "
                                   "автоматом"));
    m_bitBtn2 =
            makeButton("BitBtn2", QRect(706, 192, 56, 20), QStringLiteral("Байпас Ди"), bypassFont,
                    QStringLiteral("Подаёт дилюент в обход автомата со скоростью подачи дилюента "
                                   "автоматом"));
    m_button10 = makeButton("Button10", QRect(640, 232, 123, 25),
            QStringLiteral("График погружения"), designFont(QStringLiteral("Arial"), 12, true));
    connect(m_button10, &QPushButton::clicked, this, &TForm1::Button10Click);

    const QFont tableFont = windowFont();
    makeLabel("Label59", 639, 272, QStringLiteral("Ceiling"), tableFont, kTableText, kTank)
            ->setToolTip(QStringLiteral("Потолок подъёма в барах"));
    makeLabel("Label84", 692, 272, QStringLiteral("ppНе"), tableFont, kTableText, kTank)
            ->setToolTip(QStringLiteral("Парц. давление гелия в тканях"));
    makeLabel("Label60", 732, 272, QStringLiteral("ppN2"), tableFont, kTableText, kTank)
            ->setToolTip(QStringLiteral("Парц. давление азота в тканях"));
    for (int i = 0; i < 16; ++i) {
        const int y = 272 + 16 * (i + 1);
        m_ceilingCells[i] = makeLabel(
                kCeilingLabels[i], 639, y, QStringLiteral("0"), tableFont, kTableText, kTank);
        m_heCells[i] =
                makeLabel(kHeLabels[i], 692, y, QStringLiteral("0"), tableFont, kTableText, kTank);
        m_n2Cells[i] = makeLabel(
                kN2Labels[i], 732, y, QStringLiteral("0,79"), tableFont, kTableText, kTank);
        m_ceilingCells[i]->setFixedSize(52, 16);
        m_heCells[i]->setFixedSize(39, 16);
        m_n2Cells[i]->setFixedSize(37, 16);
    }
}

void TForm1::buildRunButtons()
{
    const QFont runFont = designFont(QStringLiteral("Comic Sans MS"), 13, true);
    m_buttonstart = makeButton("buttonstart", QRect(429, 554, 115, 31),
            QStringLiteral("ПОГРУЖЕНИЕ"), runFont, QStringLiteral("Нажмите чтобы начать просчёт"));
    m_button4 = makeButton("Button4", QRect(544, 554, 67, 31), QStringLiteral("ПАУЗА"), runFont,
            QStringLiteral("Приостановить просчёт"));
    m_button1 = makeButton("Button1", QRect(605, 554, 113, 31), QStringLiteral("ПРОДОЛЖИТЬ"),
            runFont, QStringLiteral("Нажмите чтобы продолжить просчёт"));
    m_button2 = makeButton("Button2", QRect(719, 554, 51, 31), QStringLiteral("СБРОС"), runFont,
            QStringLiteral("Нажмите чтобы начать просчёт"));
    connect(m_buttonstart, &QPushButton::clicked, this, &TForm1::buttonstartClick);
    connect(m_button4, &QPushButton::clicked, this, &TForm1::Button4Click);
    connect(m_button1, &QPushButton::clicked, this, &TForm1::Button1Click);
    connect(m_button2, &QPushButton::clicked, this, &TForm1::Button2Click);
}

void TForm1::connectReactions()
{
    // The two setpoint boxes exclude each other; the box unchecked by the
    // rule does not apply it in turn.
    auto setpointRule = [this](Check other) {
        if (m_setpointRuleRunning)
            return;
        m_setpointRuleRunning = true;
        check(other)->setChecked(false);
        m_setpointRuleRunning = false;
    };
    connect(check(Check::setpoint1Active), &QCheckBox::toggled, this,
            [=] { setpointRule(Check::setpoint2Active); });
    connect(check(Check::setpoint2Active), &QCheckBox::toggled, this,
            [=] { setpointRule(Check::setpoint1Active); });
    auto greyCaption = [this](bool disabled) {
        setTextColour(m_label15, disabled ? kSilver : kBlueB);
    };
    connect(check(Check::dilSolenoidDisabled), &QCheckBox::toggled, this, greyCaption);
    greyCaption(check(Check::dilSolenoidDisabled)->isChecked());

    connect(slider(Slider::o2Consumption), &TGradientTrackBar::changed, this,
            [this](TGradientTrackBar *s) {
                m_simulation->state().o2ConsumptionLpm = s->position() / 10.0;
                m_labelO2burncurrent->setText(
                        QString::fromStdString(numtext::formatGeneral(s->position() / 10.0)));
            });
    connect(slider(Slider::maxDepth), &TGradientTrackBar::changed, this,
            [this](TGradientTrackBar *s) { m_labelsetmaxdepth->setNum(s->position()); });
    connect(slider(Slider::startDepth), &TGradientTrackBar::changed, this,
            [this](TGradientTrackBar *s) { m_labelsetstartdepth->setNum(s->position()); });

    // Once the diver has moved, the start-depth slider no longer follows the
    // mouse; the engine keeps setting it.
    auto *lock = new MouseBlocker(slider(Slider::startDepth));
    lock->blocking = false;
    lock->setObjectName(QStringLiteral("startDepthLock"));
    slider(Slider::startDepth)->installEventFilter(lock);

    connect(m_bitBtn1, &QPushButton::pressed, this,
            [this] { m_simulation->bypassMouse(Bypass::O2, true); });
    connect(m_bitBtn1, &QPushButton::released, this,
            [this] { m_simulation->bypassMouse(Bypass::O2, false); });
    connect(m_bitBtn2, &QPushButton::pressed, this,
            [this] { m_simulation->bypassMouse(Bypass::Diluent, true); });
    connect(m_bitBtn2, &QPushButton::released, this,
            [this] { m_simulation->bypassMouse(Bypass::Diluent, false); });
}

template<typename Handler>
void TForm1::runHandler(Handler &&handler)
{
    QString error;
    try {
        handler();
    } catch (const LoopwrightError &e) {
        error = QString::fromUtf8(e.what());
    }
    applyView();
    if (!error.isEmpty())
        reportError(error);
}

void TForm1::buttonstartClick()
{
    m_tickErrors.forget(); // a new run reports its failure anew
    runHandler([this] { m_simulation->start(); });
}

void TForm1::Button4Click()
{
    runHandler([this] { m_simulation->pause(); });
}

void TForm1::Button1Click()
{
    m_tickErrors.forget();
    runHandler([this] { m_simulation->resume(); });
}

void TForm1::Button2Click()
{
    m_tickErrors.forget();
    runHandler([this] { m_simulation->reset(); });
}

void TForm1::Button5Click()
{
    runHandler([this] { m_simulation->updateNoDecoTime(); });
}

void TForm1::TimerPPO2Timer()
{
    std::string error;
    try {
        m_simulation->tick();
        m_tickErrors.forget();
    } catch (const LoopwrightError &e) {
        error = e.what();
    }
    applyView();
    // A field that stays invalid fails every tick: say so once, and again
    // only after a tick succeeded or the message changed. A box opened while
    // the user types or holds a mouse button would take the keys or swallow
    // the release: the failure is left to the first tick after that.
    const bool userBusy = m_params->isEditing() || QGuiApplication::mouseButtons() != Qt::NoButton;
    if (!error.empty() && !userBusy && m_tickErrors.shouldShow(error))
        reportError(QString::fromStdString(error));
}

void TForm1::Button9Click()
{
    if (!m_about)
        return;
    m_about->move(centredOver(this, m_about));
    m_about->exec();
}

void TForm1::Button10Click()
{
    if (!m_graph)
        return;
    m_graph->move(frameGeometry().topLeft());
    m_graph->exec();
}

void TForm1::Button11Click()
{
    if (!m_details)
        return;
    m_details->move(centredOver(this, m_details));
    m_details->exec();
}

void TForm1::applyControls(const RunControls &c)
{
    m_buttonstart->setEnabled(c.startEnabled);
    m_button4->setEnabled(c.pauseEnabled);
    m_button1->setEnabled(c.continueEnabled);
    m_button2->setEnabled(c.resetEnabled);
    m_bitBtn1->setEnabled(c.o2BypassEnabled);
    m_bitBtn2->setEnabled(c.dilBypassEnabled);
    m_button10->setEnabled(c.graphEnabled);
    if (m_timer.interval() != c.timerIntervalMs)
        m_timer.setInterval(c.timerIntervalMs);
    if (c.timerOn && !m_timer.isActive())
        m_timer.start();
    else if (!c.timerOn && m_timer.isActive())
        m_timer.stop();
    if (auto *lock = slider(Slider::startDepth)
                             ->findChild<MouseBlocker *>(
                                     QStringLiteral("startDepthLock"), Qt::FindDirectChildrenOnly))
        lock->blocking = c.startDepthLocked;
}

void TForm1::applyView()
{
    const MainView &v = m_simulation->view();
    MainView &s = m_shown;
    if (!(v.controls == s.controls)) {
        applyControls(v.controls);
        s.controls = v.controls;
    }

    auto readout = [](QLabel *label, const Readout &now, Readout &shown) {
        if (now == shown)
            return;
        label->setText(QString::fromStdString(now.display()));
        shown = now;
    };
    const ConsoleView &c = v.console;
    ConsoleView &sc = s.console;
    readout(m_labelppo2, c.ppo2, sc.ppo2);
    readout(m_labeldepth, c.depth, sc.depth);
    readout(m_label3, c.diveTime, sc.diveTime);
    readout(m_labelppn2, c.ppn2, sc.ppn2);
    readout(m_labelpphe, c.pphe, sc.pphe);
    readout(m_label80, c.loopVolume, sc.loopVolume);
    readout(m_label16, c.o2Used, sc.o2Used);
    readout(m_label17, c.dilUsed, sc.dilUsed);
    readout(m_label18, c.co2, sc.co2);
    if (c.ppo2Colour != sc.ppo2Colour) {
        setTextColour(m_labelppo2, toQColor(c.ppo2Colour));
        sc.ppo2Colour = c.ppo2Colour;
    }
    m_imgcounterlung->show(c.counterlung, c.ellipseTop, c.ellipseBottom);
    if (c.opvLampTop != sc.opvLampTop) {
        check(Check::opvLamp)->move(692, c.opvLampTop);
        sc.opvLampTop = c.opvLampTop;
    }
    if (c.diverTop != sc.diverTop) {
        m_imgmain->move(568, c.diverTop);
        sc.diverTop = c.diverTop;
    }

    const DecoView &d = v.deco;
    DecoView &sd = s.deco;
    readout(m_label62, d.safeAscentDepth, sd.safeAscentDepth);
    if (d.safeAscentBackground != sd.safeAscentBackground) {
        setBackground(m_label62, toQColor(d.safeAscentBackground));
        sd.safeAscentBackground = d.safeAscentBackground;
    }
    if (d.noDecoTime != sd.noDecoTime) {
        m_label63->setText(QString::fromStdString(d.noDecoTime));
        sd.noDecoTime = d.noDecoTime;
    }
    if (d.ceilingBar != sd.ceilingBar) {
        m_progressBar1->setValue(d.ceilingBar);
        sd.ceilingBar = d.ceilingBar;
    }
    if (d.warningVisible != sd.warningVisible) {
        m_label66->setVisible(d.warningVisible);
        sd.warningVisible = d.warningVisible;
    }
    for (int i = 0; i < 16; ++i) {
        readout(m_ceilingCells[i], d.ceilingCells[i], sd.ceilingCells[i]);
        readout(m_heCells[i], d.heCells[i], sd.heCells[i]);
        readout(m_n2Cells[i], d.n2Cells[i], sd.n2Cells[i]);
    }
}

void TForm1::Button3Click()
{
    runHandler([this] { applyDefaults(*this); });
}

void TForm1::typeChecked(int index)
{
    for (int i = 0; i < kTypeCount; ++i) {
        if (i != index)
            m_types[i]->setChecked(false);
    }
    switch (RebreatherType(index)) {
    case RebreatherType::eCCR:
        RadioButton2Click();
        break;
    case RebreatherType::mCCR:
        RadioButton3Click();
        break;
    case RebreatherType::O2CCR:
        RadioButton4Click();
        break;
    case RebreatherType::Manual:
        RadioButton5Click();
        break;
    }
}

void TForm1::RadioButton2Click()
{
    applyTypePreset(RebreatherType::eCCR, *this);
}

void TForm1::RadioButton3Click()
{
    applyTypePreset(RebreatherType::mCCR, *this);
}

void TForm1::RadioButton4Click()
{
    applyTypePreset(RebreatherType::O2CCR, *this);
}

void TForm1::RadioButton5Click()
{
    applyTypePreset(RebreatherType::Manual, *this);
}

template<typename Operation>
void TForm1::withSettingsFile(Operation &&operation)
{
    if (!m_settingsPath)
        return;
    runHandler([&] {
        SettingsFile file(*m_settingsPath);
        operation(file);
    });
}

void TForm1::Button6Click()
{
    withSettingsFile([this](SettingsFile &file) { savePresetAs(file, *this); });
}

void TForm1::Button7Click()
{
    withSettingsFile([this](SettingsFile &file) { deleteSelectedPreset(file, *this); });
}

void TForm1::Button8Click()
{
    withSettingsFile([this](SettingsFile &file) { loadSelectedPreset(file, *this); });
}

bool TForm1::FormClose()
{
    if (!m_settingsPath)
        return true;
    try {
        SettingsFile file(*m_settingsPath);
        SettingsBatch batch(file);
        saveState(file, currentStateSections(), *this);
        batch.Commit();
        return true;
    } catch (const LoopwrightError &e) {
        // A folder that stays read-only would otherwise keep the program
        // from ever closing: the user may give up the settings instead.
        return m_closeQuestion && m_closeQuestion(QString::fromUtf8(e.what()));
    }
}

void TForm1::closeEvent(QCloseEvent *event)
{
    if (FormClose())
        event->accept();
    else
        event->ignore();
}

std::string TForm1::text(Edit field) const
{
    return edit(field)->text().toStdString();
}

void TForm1::setText(Edit field, std::string_view text)
{
    edit(field)->setText(QString::fromUtf8(text.data(), qsizetype(text.size())));
}

std::string TForm1::detailText(int index) const
{
    return m_details ? m_details->field(index)->text().toStdString() : std::string();
}

void TForm1::setDetailText(int index, std::string_view text)
{
    if (m_details)
        m_details->field(index)->setText(QString::fromUtf8(text.data(), qsizetype(text.size())));
}

bool TForm1::isTypeChecked(RebreatherType type) const
{
    return m_types[int(type)]->isChecked();
}

void TForm1::setTypeChecked(RebreatherType type, bool checked)
{
    m_types[int(type)]->setChecked(checked);
}

bool TForm1::isChecked(Check box) const
{
    return check(box)->isChecked();
}

void TForm1::setChecked(Check box, bool checked)
{
    check(box)->setChecked(checked);
}

void TForm1::setCheckEnabled(Check box, bool enabled)
{
    check(box)->setEnabled(enabled);
}

void TForm1::setFieldEnabled(Edit field, bool enabled)
{
    edit(field)->setEnabled(enabled);
}

void TForm1::setCaptionColour(Edit field, Rgb colour)
{
    if (QLabel *caption = m_captions[editIndex(field)])
        setTextColour(caption, toQColor(colour));
}

void TForm1::setDilBypassAvailable(bool available)
{
    m_simulation->state().dilBypassAvailable = available;
}

void TForm1::setPosition(Slider s, int position)
{
    slider(s)->setPosition(position);
}

void TForm1::setPresetNames(const std::vector<std::string> &names)
{
    m_presets->clear();
    for (const std::string &name : names)
        m_presets->addItem(QString::fromStdString(name));
}

std::optional<std::string> TForm1::selectedPreset() const
{
    const QList<QListWidgetItem *> selected = m_presets->selectedItems();
    if (selected.isEmpty())
        return std::nullopt;
    return selected.front()->text().toStdString();
}
