#include "bailoutmenu.h"

#include "language.h"
#include "tbailoutsettings.h"
#include "tform1.h"
#include "util/numtext.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>

BailoutMenu::BailoutMenu(TForm1 &form, Performer perform)
    : m_form(form), m_perform(std::move(perform))
{
    const MainMenu &main = form.menu();
    m_menu = new QMenu(main.bar);
    m_menu->setObjectName(QStringLiteral("BailoutMenu"));
    main.bar->insertMenu(main.help->menuAction(), m_menu);
    auto *choice = new QActionGroup(m_menu);
    const auto item = [&](const char *name, Qt::Key key, Breathing breathing) {
        QAction *action = m_menu->addAction(QString());
        action->setObjectName(QLatin1String(name));
        action->setShortcut(QKeySequence(key));
        action->setCheckable(true);
        choice->addAction(action);
        QObject::connect(action, &QAction::triggered, m_guard.get(),
                [this, breathing] { breathe(breathing); });
        return action;
    };
    m_gases[0] = item("actionBailoutGas1", Qt::Key_F5, Breathing::Gas1);
    m_gases[1] = item("actionBailoutGas2", Qt::Key_F6, Breathing::Gas2);
    m_loop = item("actionBackOnLoop", Qt::Key_F7, Breathing::Loop);
    m_menu->addSeparator();
    m_settingsAction = m_menu->addAction(QString());
    m_settingsAction->setObjectName(QStringLiteral("actionBailoutSettings"));

    // Over the main window, like the dive computer's settings.
    m_settings = new TBailoutSettings(&form);
    QObject::connect(m_settingsAction, &QAction::triggered, m_guard.get(), [this] {
        m_settings->setSettings(m_form.simulation().state().bailout);
        m_settings->open();
    });
    QObject::connect(m_settings, &QDialog::accepted, m_guard.get(), [this] { settingsTaken(); });
    QObject::connect(m_menu, &QMenu::aboutToShow, m_guard.get(), [this] { refresh(); });
    whenLanguageChanges(m_menu, [this, guard = QPointer<QObject>(m_guard.get())] {
        if (guard)
            translate();
    });
}

BailoutMenu::~BailoutMenu() = default;

void BailoutMenu::translate()
{
    m_menu->setTitle(QCoreApplication::translate("BailoutMenu", "&Байлаут"));
    m_loop->setText(QCoreApplication::translate("BailoutMenu", "Вернуться на &контур"));
    m_settingsAction->setText(QCoreApplication::translate("BailoutMenu", "&Настройки байлаута…"));
    refresh();
}

void BailoutMenu::refresh()
{
    const SimulationState &state = m_form.simulation().state();
    for (std::size_t j = 0; j < 2; ++j)
        m_gases[j]->setText(QCoreApplication::translate("BailoutMenu", "Газ &%1 (%2)")
                                    .arg(j + 1)
                                    .arg(QString::fromStdString(mixText(state.bailout.gases[j]))));
    const Breathing now = state.breathing;
    (now == Breathing::Loop ? m_loop : m_gases[gasIndex(now)])->setChecked(true);
}

void BailoutMenu::breathe(Breathing breathing)
{
    // The scenario language's own command, so that the trainee's action is
    // what a drill's line would do.
    m_perform(breathing == Breathing::Loop ? "bailout loop"
                                           : "bailout " + std::to_string(gasIndex(breathing) + 1));
    refresh();
}

void BailoutMenu::settingsTaken()
{
    // Only what changed, each as its command.
    const BailoutSettings now = m_form.simulation().state().bailout;
    const BailoutSettings &taken = m_settings->settings();
    for (std::size_t j = 0; j < 2; ++j) {
        const BailoutGas &gas = taken.gases[j];
        if (!(gas == now.gases[j]))
            m_perform("bailout-gas " + std::to_string(j + 1) + " "
                    + numtext::formatGeneral(gas.o2Percent) + " "
                    + numtext::formatGeneral(gas.hePercent) + " "
                    + numtext::formatGeneral(gas.litres));
    }
    if (taken.rmvLpm != now.rmvLpm)
        m_perform("rmv " + numtext::formatGeneral(taken.rmvLpm));
    refresh();
}
