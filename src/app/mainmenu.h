#pragma once

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

/// The main window's menu bar and the actions the window answers.
struct MainMenu
{
    QMenuBar *bar = nullptr;
    QMenu *file = nullptr; ///< "Файл"
    QMenu *view = nullptr; ///< "Вид"
    QMenu *help = nullptr; ///< "Справка"
    QAction *exit = nullptr; ///< "Выход"
    QAction *diveComputer = nullptr; ///< "Дайв-компьютер", F2, checkable
    QAction *diveComputerSettings = nullptr; ///< "Настройки дайв-компьютера…"
    QAction *graph = nullptr; ///< "График погружения"
    QAction *about = nullptr; ///< "О программе"
    QMenu *language = nullptr; ///< "Вид → Язык"
    QAction *russian = nullptr; ///< "Русский", checked while it is on
    QAction *english = nullptr; ///< "English"
};

/// Creates the menu bar at the top of \a window with its menus and actions;
/// nothing is connected yet.
MainMenu buildMainMenu(QWidget &window);
