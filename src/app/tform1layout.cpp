// What is on the main window, row by row in the order the controls are made,
// and the small builder that makes the widgets from the rows.

#include "tform1layout.h"

#include "appfonts.h"
#include "controls/mainsliders.h"
#include "controls/qtext.h"
#include "controls/tgradienttrackbar.h"
#include "counterlungview.h"
#include "deco/decodisplay.h"
#include "engine/mainview.h"
#include "engine/parameters.h"
#include "pictures.h"
#include "setup/typepresets.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

namespace {

constexpr FontChoice kWindowFont {"Comic Sans MS", 12, true};
constexpr FontChoice kGasFont {"Comic Sans MS", 12, true, true};
constexpr FontChoice kValueFont {"Comic Sans MS", 19, true};
constexpr FontChoice kRunFont {"Comic Sans MS", 13, true};
constexpr FontChoice kNameFont {"Comic Sans MS", 11};
constexpr FontChoice kBypassFont {"Comic Sans MS", 9};
constexpr FontChoice kArial {"Arial", 12, true};
constexpr FontChoice kSmallArial {"Arial", 10, true};
constexpr FontChoice kTimes {"Times New Roman", 11};
constexpr FontChoice kTahoma {"Tahoma", 21, true, true};
constexpr FontChoice kSylfaen {"Sylfaen", 17};
constexpr FontChoice kListFont {"Small Fonts", 8};

constexpr Rgb kBlueA {99, 135, 241}; // #6387F1, even input rows' captions
constexpr Rgb kBlueB {108, 108, 255}; // #6C6CFF, odd input rows' captions
constexpr Rgb kDataBlock {235, 235, 235}; // #EBEBEB
constexpr Rgb kRowLabel {230, 230, 230}; // #E6E6E6
constexpr Rgb kSilver {192, 192, 192};
constexpr Rgb kTank {16, 68, 188};
constexpr Rgb kTableText {99, 135, 241};
constexpr Rgb kConsole {110, 110, 110};
constexpr Rgb kDepthColumn {87, 154, 227};
constexpr Rgb kBlack {0, 0, 0};
constexpr Rgb kWhite {255, 255, 255};
constexpr Rgb kBlue {0, 0, 255};
constexpr Rgb kCyan {0, 255, 255};
constexpr Rgb kRed {255, 0, 0};

namespace rows {
using enum ControlKind;

constexpr auto kDataBlockRows = std::to_array<ControlRow>({
        {panel, "Labeldatablock", {0, 0, 429, 457}, "", kBlack, kDataBlock, nullptr,
                QT_TRANSLATE_NOOP("TForm1Layout", "Содержит поля для ввода исходных данных")},
        {edit, "Edit4", {8, 8, 45, 20}},
        {caption, "Label4", {56, 10},
                QT_TRANSLATE_NOOP("TForm1Layout", "Минимальный объём контура (Литров) "), kBlueA,
                kRowLabel},
        {edit, "Edit1", {8, 28, 45, 20}},
        {caption, "Label5", {56, 30},
                QT_TRANSLATE_NOOP("TForm1Layout", "Максимальный объём контура (Литров) "), kBlueB,
                kRowLabel},
        {edit, "Edit2", {8, 48, 45, 20}},
        {caption, "Label6", {56, 50},
                QT_TRANSLATE_NOOP("TForm1Layout", "Начальный объём контура (Литров) "), kBlueA,
                kRowLabel},
        {edit, "Edit3", {8, 68, 45, 20}},
        {caption, "Label7", {56, 70},
                QT_TRANSLATE_NOOP("TForm1Layout", "Скорость погружения (Метров в минуту) "), kBlueB,
                kRowLabel},
        {edit, "Edit9", {8, 88, 45, 20}},
        {caption, "Label8", {56, 90},
                QT_TRANSLATE_NOOP("TForm1Layout", "Скорость всплытия (Метров в минуту) "), kBlueA,
                kRowLabel},
        {edit, "Edit6", {8, 108, 45, 20}},
        {caption, "Label9", {56, 110},
                QT_TRANSLATE_NOOP("TForm1Layout", "1 Уставка РРО2 (Кг/см^2) "), kBlueB, kRowLabel},
        {edit, "Edit8", {8, 128, 45, 20}},
        {caption, "Label10", {56, 130},
                QT_TRANSLATE_NOOP("TForm1Layout", "2 Уставка РРО2 (Кг/см^2)"), kBlueA, kRowLabel},
        {edit, "Edit5", {8, 148, 45, 20}},
        {caption, "Label11", {56, 150},
                QT_TRANSLATE_NOOP("TForm1Layout", "Начальное РРО2 в контуре (Кг/см^2) "), kBlueB,
                kRowLabel},
        {edit, "Edit11", {8, 168, 45, 20}},
        {caption, "Label14", {56, 170},
                QT_TRANSLATE_NOOP(
                        "TForm1Layout", "Подача кислорода через ЭМ клапан (Литров в минуту) "),
                kBlueA, kRowLabel},
        {edit, "Edit13", {8, 188, 45, 20}},
        {caption, "Label15", {56, 190},
                QT_TRANSLATE_NOOP(
                        "TForm1Layout", "Подача дилюента через ЭМ клапан (Литров в минуту) "),
                kBlueB, kRowLabel},
        {edit, "Edit24", {8, 208, 45, 20}},
        {caption, "Label20", {56, 210},
                QT_TRANSLATE_NOOP(
                        "TForm1Layout", "Подача кислорода через байпас (Литров в минуту) "),
                kBlueA, kRowLabel},
        {edit, "Edit23", {8, 228, 45, 20}},
        {caption, "Label21", {56, 230},
                QT_TRANSLATE_NOOP(
                        "TForm1Layout", "Подача дилюента через байпас (Литров в минуту) "),
                kBlueB, kRowLabel},
        {edit, "Edit12", {8, 248, 45, 20}},
        {caption, "Label22", {56, 250},
                QT_TRANSLATE_NOOP("TForm1Layout", "Постоянная подача кислорода (Литров в минуту) "),
                kBlueA, kRowLabel},
        {edit, "Edit19", {8, 268, 45, 20}},
        {caption, "Label79", {56, 270},
                QT_TRANSLATE_NOOP("TForm1Layout", "Постоянная подача дилюента (Литров в минуту) "),
                kBlueB, kRowLabel},
        {edit, "Edit18", {8, 288, 45, 20}},
        {caption, "Label78", {56, 290},
                QT_TRANSLATE_NOOP("TForm1Layout", "Коэффициент регенерации"), kBlueA, kRowLabel},
        {edit, "Edit14", {8, 308, 45, 20}},
        {caption, "Label23", {56, 310},
                QT_TRANSLATE_NOOP("TForm1Layout", "Содержание кислорода в дилюенте (%)"), kBlueB,
                kRowLabel},
        {edit, "Edit16", {8, 328, 45, 20}},
        {caption, "Label73", {56, 330},
                QT_TRANSLATE_NOOP("TForm1Layout", "Содержание гелия в дилюенте (%)"), kBlueA,
                kRowLabel},
        {edit, "Edit7", {8, 348, 45, 20}},
        {caption, "Label12", {56, 350},
                QT_TRANSLATE_NOOP("TForm1Layout", "Объём кислорода в баллоне (Литров) "), kBlueB,
                kRowLabel, nullptr,
                QT_TRANSLATE_NOOP("TForm1Layout",
                        "Объём кислорода (при атмосферном давлении) который закачан в баллон")},
        {edit, "Edit10", {8, 368, 45, 20}},
        {caption, "Label13", {56, 370},
                QT_TRANSLATE_NOOP("TForm1Layout", "Объём дилюента в баллоне (Литров) "), kBlueA,
                kRowLabel, nullptr,
                QT_TRANSLATE_NOOP("TForm1Layout",
                        "Объём дилюента (при атмосферном давлении) который закачан в баллон")},
        {edit, "Edit20", {8, 388, 45, 20}, "", {}, {}, nullptr,
                QT_TRANSLATE_NOOP(
                        "TForm1Layout", "Минимальное -10 мсек. Максимальное - 1000 мсек.")},
        {caption, "Label25", {56, 390},
                QT_TRANSLATE_NOOP("TForm1Layout", "Время дискретизации (миллисек)"), kBlueB,
                kRowLabel},
        {check, "CheckBox3", {320, 48}, QT_TRANSLATE_NOOP("TForm1Layout", "ЛА на O2"), kTank,
                kDataBlock, nullptr,
                QT_TRANSLATE_NOOP("TForm1Layout",
                        "Переключает лёгочный автомат на кислород (выбрано - кислород, пусто - "
                        "дилюент)")},
        {check, "CheckBox6", {232, 108}, QT_TRANSLATE_NOOP("TForm1Layout", "Активация"), kTank,
                kDataBlock, nullptr,
                QT_TRANSLATE_NOOP("TForm1Layout", "Активация первой уставки PPO2 для eCCR")},
        {check, "CheckBox8", {232, 128}, QT_TRANSLATE_NOOP("TForm1Layout", "Активация"), kTank,
                kDataBlock, nullptr,
                QT_TRANSLATE_NOOP("TForm1Layout", "Активация второй уставки PPO2 для eCCR")},
        // The failure and switch-off boxes stand at the end of the solenoid
        // rows, where the data block leaves room for the box alone; like its
        // diluent neighbours, QT_TRANSLATE_NOOP("TForm1Layout", "Авария О2") explains itself by its
        // hint.
        {check, "CheckBox1", {392, 171, 16, 17}, QT_TRANSLATE_NOOP("TForm1Layout", "Авария О2"),
                kTank, kDataBlock, nullptr,
                QT_TRANSLATE_NOOP(
                        "TForm1Layout", "Авария ЭМ клапана О2 (выбран - открыт постоянно)")},
        {check, "CheckBox2", {392, 188, 16, 17}, "", kTank, kDataBlock, nullptr,
                QT_TRANSLATE_NOOP(
                        "TForm1Layout", "Авария ЭМ клапана дилюента (выбран - открыт постоянно)")},
        {check, "CheckBox4", {408, 188, 16, 17}, "", kTank, kDataBlock, nullptr,
                QT_TRANSLATE_NOOP(
                        "TForm1Layout", "Отключение ЭМ клапана дилюента (выбран - отключено)")},
        {button, "Button11", {304, 9, 97, 35}, QT_TRANSLATE_NOOP("TForm1Layout", "=>> Подробно"),
                {}, {}, nullptr,
                QT_TRANSLATE_NOOP("TForm1Layout", "Ввод подробных характеристик контура")},
});

constexpr auto kPresetRows = std::to_array<ControlRow>({
        {button, "Button8", {296, 292, 65, 17}, QT_TRANSLATE_NOOP("TForm1Layout", "Загрузить"), {},
                {}, &kArial,
                QT_TRANSLATE_NOOP("TForm1Layout", "Загрузка сохранённой предустановки")},
        {button, "Button7", {360, 292, 65, 17}, QT_TRANSLATE_NOOP("TForm1Layout", "Удалить"), {},
                {}, &kArial, QT_TRANSLATE_NOOP("TForm1Layout", "Удалить выбранную запись")},
        {presetList, "ListBox1", {296, 312, 130, 139}, "", {}, {}, &kListFont},
        {button, "Button6", {8, 416, 97, 20}, QT_TRANSLATE_NOOP("TForm1Layout", "Сохранить как:"),
                {}, {}, &kArial,
                QT_TRANSLATE_NOOP("TForm1Layout", "Добавить предустановку в базу")},
        {edit, "Edit25", {112, 415, 153, 23}, "", {}, {}, &kNameFont,
                QT_TRANSLATE_NOOP("TForm1Layout", "Впишите сюда название сохраняемой настройки")},
        {label, "Label24", {266, 419}, "=>>", kBlueB},
        {radio, "RadioButton2", {8, 440, 57, 17}, "eCCR", kTank, kDataBlock, nullptr,
                QT_TRANSLATE_NOOP("TForm1Layout",
                        "Предустановка эмуляции замкнутого ребризера с электронным управлением")},
        {radio, "RadioButton3", {72, 440, 57, 17}, "mCCR", kTank, kDataBlock, nullptr,
                QT_TRANSLATE_NOOP("TForm1Layout",
                        "Предустановка эмуляции замкнутого ребризера с ручным управлением (KISS)")},
        {radio, "RadioButton4", {136, 440, 65, 17}, "O2 CCR", kTank, kDataBlock, nullptr,
                QT_TRANSLATE_NOOP("TForm1Layout",
                        "Предустановка эмуляции замкнутого кислородного ребризера ")},
        {radio, "RadioButton5", {208, 440, 81, 17}, QT_TRANSLATE_NOOP("TForm1Layout", "Вручную"),
                kTank, kDataBlock, nullptr,
                QT_TRANSLATE_NOOP("TForm1Layout", "Настройка всех параметров вручную")},
        {slider, "trackbarspeed"},
        {button, "Button3", {296, 462, 58, 17}, QT_TRANSLATE_NOOP("TForm1Layout", "Дефолт"), {}, {},
                &kArial, QT_TRANSLATE_NOOP("TForm1Layout", "Установка всех значений по умолчанию")},
        {button, "Button9", {358, 462, 68, 17}, QT_TRANSLATE_NOOP("TForm1Layout", "О программе"),
                kBlue, {}, &kTimes},
});

constexpr const char *kSafeAscentHint = QT_TRANSLATE_NOOP(
        "TForm1Layout", "Глубина на которую можно всплыть без риска получить ДКБ");

constexpr auto kDecoRows = std::to_array<ControlRow>({
        {edit, "Edit21", {8, 484, 45, 20}, "", {}, {}, nullptr,
                QT_TRANSLATE_NOOP("TForm1Layout",
                        "Оптимальное - 5...15 сек. Минимальное - 1сек. Максимальное-  60сек.")},
        {caption, "Label76", {56, 486},
                QT_TRANSLATE_NOOP(
                        "TForm1Layout", "Время дискретизации декомпрессионного блока (сек)"),
                kBlueB, kRowLabel, nullptr,
                QT_TRANSLATE_NOOP("TForm1Layout",
                        "Отрезок времени за который программа будет делать один проход "
                        "декомпрессионных рассчётов")},
        {edit, "Edit15", {8, 504, 45, 20}, "", {}, {}, nullptr,
                QT_TRANSLATE_NOOP("TForm1Layout",
                        "Оставить неизменным если вы находитесь на уровне моря и это первый дайв")},
        {caption, "Label115", {56, 506},
                QT_TRANSLATE_NOOP(
                        "TForm1Layout", "Начальное парциальное давление азота в тканях (Кг/см^2) "),
                kBlueA, kRowLabel},
        {edit, "Edit17", {8, 524, 45, 20}, "", {}, {}, nullptr,
                QT_TRANSLATE_NOOP(
                        "TForm1Layout", "Поставить равным нулю если это ваш первый дайв")},
        {caption, "Label116", {56, 526},
                QT_TRANSLATE_NOOP(
                        "TForm1Layout", "Начальное парциальное давление гелия в тканях (Кг/см^2) "),
                kBlueB, kRowLabel},
        {edit, "Edit22", {384, 484, 41, 20}, "", {}, {}, nullptr,
                QT_TRANSLATE_NOOP("TForm1Layout",
                        "Коэффициент консерватизма декообсчётов. Минимум - 0, максимум - 10. ")},
        {label, "Label61", {40, 545},
                QT_TRANSLATE_NOOP("TForm1Layout", "Глубина безопасного всплытия (Метров)"), kTank,
                {}, nullptr, kSafeAscentHint},
        {label, "Label62", {9, 544, 32, 20}, "0", kBlueB, kWindowColour, nullptr, kSafeAscentHint},
        {label, "Label66", {304, 545, 105, 16}, QT_TRANSLATE_NOOP("TForm1Layout", " ПОГРУЖАЙСЯ!!!"),
                kRed, {}, nullptr, kSafeAscentHint, kHidden},
        {label, "Label64", {40, 564},
                QT_TRANSLATE_NOOP("TForm1Layout", "Время бездекомпрессионного дайва (Мин)"), kTank,
                {}, nullptr,
                QT_TRANSLATE_NOOP("TForm1Layout",
                        "Время которое дайвер может провести на текущей глубине без необходимости "
                        "совершать декомпрессионную остановку при всплытии")},
        {label, "Label63", {9, 562, 40, 20}, "0", kBlueB, {}, nullptr,
                QT_TRANSLATE_NOOP("TForm1Layout",
                        "Время которое дайвер может провести на текущей глубине без необходимости "
                        "совершать декомпрессионную остановку")},
        {button, "Button5", {299, 565, 129, 17},
                QT_TRANSLATE_NOOP("TForm1Layout", "Обновить бездек. время"), {}, {}, &kSmallArial,
                QT_TRANSLATE_NOOP("TForm1Layout", "Нажмите чтобы начать просчёт")},
});

constexpr auto kSliderColumnRows = std::to_array<ControlRow>({
        {label, "Label16", {428, 0, 41, 32}, "", Rgb {0, 196, 196}, kDataBlock, nullptr,
                QT_TRANSLATE_NOOP("TForm1Layout", "Расход кислорода в литрах"), kCentred},
        {label, "Label17", {469, 0, 41, 32}, "", kBlue, kSilver, nullptr,
                QT_TRANSLATE_NOOP("TForm1Layout", "Расход дилюента в литрах"), kCentred},
        {label, "Label18", {509, 0, 41, 32}, "", Rgb {0, 128, 64}, kDataBlock, nullptr,
                QT_TRANSLATE_NOOP(
                        "TForm1Layout", "Выделено (и поглощено ХПИ) углекислого газа в литрах"),
                kCentred},
        {label, "LabelO2burncurrent", {429, 43, 41, 29}, "0", Rgb {123, 146, 249}, kDataBlock,
                &kValueFont,
                QT_TRANSLATE_NOOP(
                        "TForm1Layout", "Текущее потребление кислорода в литрах в минуту"),
                kCentred},
        {label, "labelsetmaxdepth", {469, 43, 40, 29}, "0", kCyan, kDepthColumn, &kValueFont,
                QT_TRANSLATE_NOOP("TForm1Layout", "Текущая максимальная глубина в метрах"),
                kCentred},
        {label, "labelsetstartdepth", {509, 43, 40, 29}, "0", kCyan, kDepthColumn, &kValueFont,
                QT_TRANSLATE_NOOP("TForm1Layout", "Текущая начальная глубина в метрах"), kCentred},
        {slider, "TrackBarO2burn"},
        {slider, "trackbarmaxdepth"},
        {ceilingBar, "ProgressBar1", {504, 72, 9, 481}, "", {}, {}, nullptr,
                QT_TRANSLATE_NOOP(
                        "TForm1Layout", "Отмечает \"потолок\" всплытия для следующей ДКО")},
        {slider, "trackbarsetstartdepth"},
});

constexpr auto kConsoleRows = std::to_array<ControlRow>({
        {panel, "labelconsole", {550, 0, 220, 73}, "", kWhite, kConsole, nullptr,
                QT_TRANSLATE_NOOP("TForm1Layout", "Консоль приборов контроля погружения")},
        {label, "Label26", {560, 0}, "PPN2=", kWhite, kConsole, &kGasFont},
        {label, "labelppn2", {600, 0, 33, 16}, "N/A", kWhite, kConsole, &kGasFont,
                QT_TRANSLATE_NOOP("TForm1Layout", "Парциальное давление азота в контуре")},
        {label, "Label65", {688, 0}, "PPHe=", kWhite, kConsole, &kGasFont},
        {label, "Labelpphe", {728, 0, 33, 16}, "N/A", kWhite, kConsole, &kGasFont,
                QT_TRANSLATE_NOOP("TForm1Layout", "Парциальное давление гелия в контуре")},
        {label, "Label1", {560, 15}, "PPO2", kWhite},
        {label, "Label2", {628, 15}, QT_TRANSLATE_NOOP("TForm1Layout", "Глубина"), kWhite},
        {label, "Label19", {704, 15}, QT_TRANSLATE_NOOP("TForm1Layout", "Время"), kWhite},
        {label, "labelppo2", {555, 40, 65, 25}, "N/A", kPpo2Blue, kSilver, &kTahoma,
                QT_TRANSLATE_NOOP(
                        "TForm1Layout", "Показания датчика РРО2 в килограммах на кв.см.")},
        {label, "labeldepth", {627, 40, 65, 25}, "N/A", kBlue, kDataBlock, &kTahoma,
                QT_TRANSLATE_NOOP("TForm1Layout", "Показания датчика глубины в метрах")},
        {label, "Label3", {699, 40, 65, 25}, "0.00.00", kBlue, kDataBlock, &kSylfaen,
                QT_TRANSLATE_NOOP("TForm1Layout", "Показания секундомера от начала \"дайва\"")},
});

constexpr auto kTankRows = std::to_array<ControlRow>({
        {panel, "labelwatertank", {551, 72, 219, 481}, "", kWhite, kTank},
        {label, "Label0m", {548, 73}, QT_TRANSLATE_NOOP("TForm1Layout", "0м"), kWindowColour},
        {label, "Label50m", {548, 306}, QT_TRANSLATE_NOOP("TForm1Layout", "50м"), kWindowColour},
        {label, "Label100m", {548, 540}, QT_TRANSLATE_NOOP("TForm1Layout", "100м"), kWindowColour},
        {counterlung, "imgcounterlung", {640, 104, 121, 97}},
        {diver, "imgmain", {568, 73, 67, 43}, "", {}, {}, nullptr,
                QT_TRANSLATE_NOOP("TForm1Layout", "Это вы :)")},
        {lamp, "Cradiobutton1", {692, 104, 14, 14}, "", kTank, kTank, nullptr,
                QT_TRANSLATE_NOOP("TForm1Layout", "Состояние клапана сброса (выбран - закрыто)")},
        {lamp, "Cradiobutton2", {646, 139, 14, 14}, "", kTank, kTank, nullptr,
                QT_TRANSLATE_NOOP("TForm1Layout", "ЭМ клапан кислорода (выбран - закрыто)")},
        {lamp, "Cradiobutton3", {742, 139, 14, 14}, "", kTank, kTank, nullptr,
                QT_TRANSLATE_NOOP("TForm1Layout", "ЭМ клапан дилюента (выбран - закрыто)")},
        {lamp, "CheckBox5", {646, 155, 14, 14}, "", kTank, kTank, nullptr,
                QT_TRANSLATE_NOOP("TForm1Layout", "ЛА кислорода (выбран - закрыто)")},
        {lamp, "CheckBox7", {742, 155, 14, 14}, "", kTank, kTank, nullptr,
                QT_TRANSLATE_NOOP("TForm1Layout", "ЛА дилюента (выбран - закрыто)")},
        {label, "Label80", {685, 146, 33, 16}, "N/A", kTableText, kTank, &kGasFont,
                QT_TRANSLATE_NOOP("TForm1Layout", "Текущий объём цикла в литрах")},
        {button, "BitBtn1", {640, 192, 57, 20}, QT_TRANSLATE_NOOP("TForm1Layout", "Байпас О2"), {},
                {}, &kBypassFont,
                QT_TRANSLATE_NOOP("TForm1Layout",
                        "Подаёт кислород в обход автомата со скоростью подачи кислорода "
                        "автоматом")},
        {button, "BitBtn2", {706, 192, 56, 20}, QT_TRANSLATE_NOOP("TForm1Layout", "Байпас Ди"), {},
                {}, &kBypassFont,
                QT_TRANSLATE_NOOP("TForm1Layout",
                        "Подаёт дилюент в обход автомата со скоростью подачи дилюента автоматом")},
        {button, "Button10", {640, 232, 123, 25},
                QT_TRANSLATE_NOOP("TForm1Layout", "График погружения"), {}, {}, &kArial},
        {label, "Label59", {639, 272}, "Ceiling", kTableText, kTank, nullptr,
                QT_TRANSLATE_NOOP("TForm1Layout", "Потолок подъёма в барах")},
        {label, "Label84", {692, 272}, QT_TRANSLATE_NOOP("TForm1Layout", "ppНе"), kTableText, kTank,
                nullptr, QT_TRANSLATE_NOOP("TForm1Layout", "Парц. давление гелия в тканях")},
        {label, "Label60", {732, 272}, "ppN2", kTableText, kTank, nullptr,
                QT_TRANSLATE_NOOP("TForm1Layout", "Парц. давление азота в тканях")},
});

// The tissue table below its headings, row by row: ceiling, helium, nitrogen.
constexpr std::array<ControlRow, 48> tissueCells()
{
    std::array<ControlRow, 48> cells {};
    for (int i = 0; i < 16; ++i) {
        const int y = 288 + 16 * i;
        cells[3 * i] = {label, kCeilingCells[i], {639, y, 52, 16}, "0", kTableText, kTank};
        cells[3 * i + 1] = {label, kHeCells[i], {692, y, 39, 16}, "0", kTableText, kTank};
        cells[3 * i + 2] = {label, kN2Cells[i], {732, y, 37, 16}, "0,79", kTableText, kTank};
    }
    return cells;
}

constexpr auto kRunRows = std::to_array<ControlRow>({
        {button, "buttonstart", {429, 554, 115, 31},
                QT_TRANSLATE_NOOP("TForm1Layout", "ПОГРУЖЕНИЕ"), {}, {}, &kRunFont,
                QT_TRANSLATE_NOOP("TForm1Layout", "Нажмите чтобы начать просчёт")},
        {button, "Button4", {544, 554, 67, 31}, QT_TRANSLATE_NOOP("TForm1Layout", "ПАУЗА"), {}, {},
                &kRunFont, QT_TRANSLATE_NOOP("TForm1Layout", "Приостановить просчёт")},
        {button, "Button1", {605, 554, 113, 31}, QT_TRANSLATE_NOOP("TForm1Layout", "ПРОДОЛЖИТЬ"),
                {}, {}, &kRunFont,
                QT_TRANSLATE_NOOP("TForm1Layout", "Нажмите чтобы продолжить просчёт")},
        {button, "Button2", {719, 554, 51, 31}, QT_TRANSLATE_NOOP("TForm1Layout", "СБРОС"), {}, {},
                &kRunFont, QT_TRANSLATE_NOOP("TForm1Layout", "Нажмите чтобы начать просчёт")},
});

} // namespace rows

template<std::size_t... N>
constexpr auto joined(const std::array<ControlRow, N> &...parts)
{
    std::array<ControlRow, (N + ...)> all {};
    auto out = all.begin();
    ((out = std::copy(parts.begin(), parts.end(), out)), ...);
    return all;
}

constexpr auto kWindowRows =
        joined(rows::kDataBlockRows, rows::kPresetRows, rows::kDecoRows, rows::kSliderColumnRows,
                rows::kConsoleRows, rows::kTankRows, rows::tissueCells(), rows::kRunRows);

} // namespace

std::span<const ControlRow> windowLayout()
{
    return kWindowRows;
}

namespace {

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

// The slider designs by Slider.
constexpr MainSlider kSliderDesigns[] = {MainSlider::TrackBarO2burn, MainSlider::trackbarmaxdepth,
        MainSlider::trackbarsetstartdepth, MainSlider::trackbarspeed};

QString fieldDefault(std::string_view name)
{
    const std::string_view text = kFields[editIndex(findEdit(name).value())].defaultText;
    return fromUtf8(text);
}

bool checkDefault(std::string_view name)
{
    return std::find_if(kChecks.begin(), kChecks.end(), [&](const CheckInfo &c) {
        return c.control == name;
    })->defaultChecked;
}

// The widget of a row's kind with what that kind adds to the row.
QWidget *create(QWidget &window, const ControlRow &row)
{
    const QString text = QString::fromUtf8(row.text);
    switch (row.kind) {
    case ControlKind::panel:
        return new QLabel(&window);
    case ControlKind::label:
    case ControlKind::caption:
        return new QLabel(text, &window);
    case ControlKind::edit:
        return new QLineEdit(fieldDefault(row.name), &window);
    case ControlKind::check:
    case ControlKind::lamp: {
        auto *box = new QCheckBox(text, &window);
        box->setChecked(checkDefault(row.name));
        if (row.kind == ControlKind::lamp)
            box->setFocusPolicy(Qt::NoFocus);
        return box;
    }
    case ControlKind::button:
        return new QPushButton(text, &window);
    case ControlKind::radio: {
        auto *radio = new TypeRadioButton(text, &window);
        radio->setAutoExclusive(false);
        return radio;
    }
    case ControlKind::slider: {
        auto *slider = new TGradientTrackBar(&window);
        configureMainSlider(*slider, kSliderDesigns[int(findSlider(row.name).value())]);
        return slider;
    }
    case ControlKind::ceilingBar: {
        auto *bar = new QProgressBar(&window);
        bar->setOrientation(Qt::Vertical);
        bar->setRange(0, 100);
        bar->setValue(100);
        bar->setTextVisible(false);
        return bar;
    }
    case ControlKind::presetList:
        return new QListWidget(&window);
    case ControlKind::counterlung:
        return new CounterlungView(&window);
    case ControlKind::diver:
        break;
    }
    auto *diver = new QLabel(&window);
    diver->setPixmap(diverPicture());
    return diver;
}

// A text of the window that a translation has: it has Russian letters.
bool isTranslatable(const char *text)
{
    return std::string_view(text).find_first_of("\xD0\xD1") != std::string_view::npos;
}

QFont fontOf(const FontChoice &f)
{
    return designFont(QString::fromLatin1(f.family), f.pixels, f.bold, f.italic);
}

void paint(QWidget *w, std::optional<Rgb> ink, std::optional<Rgb> paper)
{
    QPalette p = w->palette();
    if (ink) {
        p.setColor(QPalette::WindowText, toQColor(*ink));
        p.setColor(QPalette::Text, toQColor(*ink));
    }
    if (paper) {
        p.setColor(QPalette::Window, toQColor(*paper));
        w->setAutoFillBackground(true);
    }
    w->setPalette(p);
}

void recolour(QWidget *w, QPalette::ColorGroup group, QPalette::ColorRole role, Rgb colour)
{
    QPalette p = w->palette();
    p.setColor(group, role, toQColor(colour));
    w->setPalette(p);
}

// What the row says of every kind: font, colours, place and size. A button's
// ink colours its text; labels and buttons always wear a font of their own.
void dress(QWidget *w, const ControlRow &row)
{
    const bool label = row.kind == ControlKind::label || row.kind == ControlKind::caption;
    const bool box = row.kind == ControlKind::check || row.kind == ControlKind::lamp;
    const bool button = row.kind == ControlKind::button;
    if (row.font || label || button)
        w->setFont(fontOf(row.font ? *row.font : kWindowFont));
    if (button && row.ink)
        recolour(w, QPalette::All, QPalette::ButtonText, *row.ink);
    else if (row.ink || row.paper)
        paint(w, row.ink, row.paper);
    if (box) // a type preset disables boxes; their captions grey out like the labels'
        recolour(w, QPalette::Disabled, QPalette::WindowText, kCaptionDisabled);
    if (label || box) { // as large as the text, unless the box says otherwise
        w->move(row.box.x, row.box.y);
        w->adjustSize();
        if (row.box.width > 0)
            w->setFixedSize(row.box.width, row.box.height);
    } else if (row.kind != ControlKind::slider) {
        w->setGeometry(row.box.x, row.box.y, row.box.width, row.box.height);
    }
}

// What must follow the font and the size: a style sheet set before the font
// would keep the list's inner widgets at the window's font.
void finish(QWidget *w, const ControlRow &row)
{
    if (row.flags & kCentred)
        static_cast<QLabel *>(w)->setAlignment(Qt::AlignCenter);
    if (auto *list = qobject_cast<QListWidget *>(w)) {
        list->setUniformItemSizes(true);
        list->setStyleSheet(QStringLiteral("QListWidget::item { height: 10px; padding: 0px; }"));
    }
}

} // namespace

QColor toQColor(Rgb c)
{
    return QColor(c.r, c.g, c.b);
}

void layOutWindow(QWidget &window, QWidget &client)
{
    loadDesignFonts();
    window.setObjectName(QStringLiteral("Form1"));
    window.setWindowIcon(loopwrightIcon());
    window.setFont(fontOf(kWindowFont));
    paint(&window, kBlack, kWindowColour);
    client.setObjectName(QStringLiteral("Form1Client"));
    client.setFixedSize(774, 588);
    paint(&client, kBlack, kWindowColour);
    for (const ControlRow &row : kWindowRows) {
        QWidget *w = create(client, row);
        w->setObjectName(QLatin1String(row.name));
        dress(w, row);
        finish(w, row);
        if (row.flags & kHidden)
            w->hide();
    }
    translateWindow(window, client);
}

void translateWindow(QWidget &window, QWidget &client)
{
    const auto tr = [](const char *text) {
        return QCoreApplication::translate("TForm1Layout", text);
    };
    window.setWindowTitle(QCoreApplication::translate(
            "TForm1Layout", "Loopwright (Бэта - для тестов и вдумчивого использования)"));
    for (const ControlRow &row : kWindowRows) {
        auto *w = client.findChild<QWidget *>(QLatin1String(row.name), Qt::FindDirectChildrenOnly);
        if (row.kind == ControlKind::slider) {
            w->setToolTip(mainSliderHint(kSliderDesigns[int(findSlider(row.name).value())]));
            continue;
        }
        if (*row.hint)
            w->setToolTip(tr(row.hint));
        // Only the texts in words: numbers and "N/A" are the window's
        // read-outs by now and stay as the program set them.
        if (!isTranslatable(row.text))
            continue;
        if (auto *label = qobject_cast<QLabel *>(w))
            label->setText(tr(row.text));
        else if (auto *button = qobject_cast<QAbstractButton *>(w))
            button->setText(tr(row.text));
        const bool fitsText = row.kind == ControlKind::label || row.kind == ControlKind::caption
                || row.kind == ControlKind::check || row.kind == ControlKind::lamp;
        if (fitsText && row.box.width == 0)
            w->adjustSize();
    }
}
