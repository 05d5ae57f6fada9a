<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>BailoutMenu</name>
    <message>
        <source>&amp;Байлаут</source>
        <translation>&amp;Bailout</translation>
    </message>
    <message>
        <source>Вернуться на &amp;контур</source>
        <translation>Back on the &amp;loop</translation>
    </message>
    <message>
        <source>&amp;Настройки байлаута…</source>
        <translation>Bailout &amp;settings…</translation>
    </message>
    <message>
        <source>Газ &amp;%1 (%2)</source>
        <translation>Gas &amp;%1 (%2)</translation>
    </message>
</context>
<context>
    <name>DrillController</name>
    <message>
        <source>&amp;Открыть тренировку…</source>
        <translation>&amp;Open drill…</translation>
    </message>
    <message>
        <source>&amp;Закрыть тренировку</source>
        <translation>&amp;Close drill</translation>
    </message>
    <message>
        <source>Тренировка «%1» не открыта: %2</source>
        <translation>Drill &quot;%1&quot; was not opened: %2</translation>
    </message>
    <message>
        <source>Открыть тренировку</source>
        <translation>Open drill</translation>
    </message>
    <message>
        <source>Тренировки (*.drill);;Все файлы (*)</source>
        <translation>Drills (*.drill);;All files (*)</translation>
    </message>
    <message>
        <source>События и цели тренировки начнутся, когда вы нажмёте «ПОГРУЖЕНИЕ».</source>
        <translation>The drill&apos;s events and objectives begin when you press &quot;DIVE&quot;.</translation>
    </message>
    <message>
        <source>Тренировка</source>
        <translation>Drill</translation>
    </message>
    <message>
        <source>Тренировка: %1</source>
        <translation>Drill: %1</translation>
    </message>
    <message>
        <source>Начало — «ПОГРУЖЕНИЕ»</source>
        <translation>Start: &quot;DIVE&quot;</translation>
    </message>
</context>
<context>
    <name>ExportController</name>
    <message>
        <source>&amp;Экспорт погружения…</source>
        <translation>&amp;Export dive…</translation>
    </message>
    <message>
        <source>Не удалось сохранить погружение в файл «%1»: %2.</source>
        <translation>Could not save the dive to the file &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>погружение-%1</source>
        <translation>dive-%1</translation>
    </message>
    <message>
        <source>Экспорт погружения</source>
        <translation>Export dive</translation>
    </message>
    <message>
        <source>UDDF — для программ-логбуков (*.uddf)</source>
        <translation>UDDF — for logbook programs (*.uddf)</translation>
    </message>
    <message>
        <source>CSV — для электронных таблиц (*.csv)</source>
        <translation>CSV — for spreadsheets (*.csv)</translation>
    </message>
    <message>
        <source>Ребризер Loopwright</source>
        <translation>Loopwright rebreather</translation>
    </message>
    <message>
        <source>Датчик O2 %1</source>
        <translation>O2 sensor %1</translation>
    </message>
    <message>
        <source>Дилюент</source>
        <translation>Diluent</translation>
    </message>
    <message>
        <source>Кислород</source>
        <translation>Oxygen</translation>
    </message>
    <message>
        <source>Байлаут %1</source>
        <translation>Bailout %1</translation>
    </message>
</context>
<context>
    <name>FaultsMenu</name>
    <message>
        <source>&amp;Неисправности</source>
        <translation>F&amp;aults</translation>
    </message>
    <message>
        <source>&amp;Кислородный баллон закрыт</source>
        <translation>&amp;Oxygen cylinder closed</translation>
    </message>
    <message>
        <source>&amp;Баллон дилюента закрыт</source>
        <translation>&amp;Diluent cylinder closed</translation>
    </message>
    <message>
        <source>Исправен</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Ограничение тока 1,2</source>
        <translation>Current limit 1,2</translation>
    </message>
    <message>
        <source>Ограничение тока…</source>
        <translation>Current limit…</translation>
    </message>
    <message>
        <source>Чувствительность…</source>
        <translation>Sensitivity…</translation>
    </message>
    <message>
        <source>Медленный (30 с)</source>
        <translation>Slow (30 s)</translation>
    </message>
    <message>
        <source>Мёртвый</source>
        <translation>Dead</translation>
    </message>
    <message>
        <source>Заморожен на текущем</source>
        <translation>Frozen at its reading</translation>
    </message>
    <message>
        <source>&amp;Датчики PPO2</source>
        <translation>PPO2 &amp;cells</translation>
    </message>
    <message>
        <source>Датчик &amp;%1</source>
        <translation>Cell &amp;%1</translation>
    </message>
    <message>
        <source>«%1» не подходит: нужно число не меньше нуля.</source>
        <translation>&quot;%1&quot; will not do: a number of zero or more is needed.</translation>
    </message>
    <message>
        <source>Датчик %1</source>
        <translation>Cell %1</translation>
    </message>
    <message>
        <source>Ограничение тока, PPO2:</source>
        <translation>Current limit, PPO2:</translation>
    </message>
    <message>
        <source>Чувствительность (1 — точный датчик):</source>
        <translation>Sensitivity (1 for a true cell):</translation>
    </message>
    <message>
        <source>&amp;Баллоны</source>
        <translation>&amp;Cylinders</translation>
    </message>
    <message>
        <source>&amp;Открыть кислородный баллон</source>
        <translation>&amp;Open the oxygen cylinder</translation>
    </message>
    <message>
        <source>&amp;Закрыть кислородный баллон</source>
        <translation>&amp;Close the oxygen cylinder</translation>
    </message>
    <message>
        <source>О&amp;ткрыть баллон дилюента</source>
        <translation>O&amp;pen the diluent cylinder</translation>
    </message>
    <message>
        <source>З&amp;акрыть баллон дилюента</source>
        <translation>C&amp;lose the diluent cylinder</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>&amp;Файл</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>В&amp;ыход</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>&amp;Вид</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>&amp;Дайв-компьютер</source>
        <translation>&amp;Dive computer</translation>
    </message>
    <message>
        <source>&amp;График погружения</source>
        <translation>Dive &amp;graph</translation>
    </message>
    <message>
        <source>&amp;Язык</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>&amp;Справка</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;О программе</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>&amp;Настройки дайв-компьютера…</source>
        <translation>Dive computer &amp;settings…</translation>
    </message>
</context>
<context>
    <name>MainSliders</name>
    <message>
        <source>Максимальная глубина погружения в метрах</source>
        <translation>Maximum dive depth in metres</translation>
    </message>
    <message>
        <source>Изначальная и текущая глубина в метрах</source>
        <translation>Starting and current depth in metres</translation>
    </message>
    <message>
        <source>Потребление кислорода дайвером в литрах в минуту</source>
        <translation>Diver&apos;s oxygen consumption in litres per minute</translation>
    </message>
    <message>
        <source>Этим выставляем скорость моделирования ситуации</source>
        <translation>Sets the speed of the simulation</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>О программе</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Версия %1 (бэта)</source>
        <translation>Version %1 (beta)</translation>
    </message>
    <message>
        <source>Тренажёр погружения с ребризером замкнутого цикла</source>
        <translation>Closed-circuit rebreather dive trainer</translation>
    </message>
    <message>
        <source>Угу</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TBailoutSettings</name>
    <message>
        <source>Настройки байлаута</source>
        <translation>Bailout settings</translation>
    </message>
    <message>
        <source>O2, %</source>
        <translation>O2, %</translation>
    </message>
    <message>
        <source>He, %</source>
        <translation>He, %</translation>
    </message>
    <message>
        <source>Литры</source>
        <translation>Litres</translation>
    </message>
    <message>
        <source>Газ %1</source>
        <translation>Gas %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Не принято: все семь значений должны быть числами.</source>
        <translation>Not taken: all seven values must be numbers.</translation>
    </message>
    <message>
        <source>Не принято: %1 — кислорода от 5 до 100 %.</source>
        <translation>Not taken: %1 needs 5 to 100 % oxygen.</translation>
    </message>
    <message>
        <source>Не принято: %1 — гелий не может быть отрицательным.</source>
        <translation>Not taken: %1 cannot have negative helium.</translation>
    </message>
    <message>
        <source>Не принято: %1 — кислорода и гелия вместе не больше 100 %.</source>
        <translation>Not taken: %1 cannot have more than 100 % oxygen and helium together.</translation>
    </message>
    <message>
        <source>Не принято: %1 — литры не могут быть отрицательными (0 — баллона нет).</source>
        <translation>Not taken: %1 cannot hold negative litres (0: not carried).</translation>
    </message>
    <message>
        <source>Не принято: расход на открытой схеме должен быть больше нуля.</source>
        <translation>Not taken: the open-circuit breathing must be above zero.</translation>
    </message>
    <message>
        <source>Расход на открытой схеме (RMV), л/мин</source>
        <translation>Open-circuit breathing (RMV), l/min</translation>
    </message>
    <message>
        <source>O2 от 5 до 100 %, O2 и He вместе не больше 100 %; 0 литров — газа нет с собой.</source>
        <translation>O2 from 5 to 100 %, O2 and He together at most 100 %; 0 litres: the gas is not carried.</translation>
    </message>
</context>
<context>
    <name>TDebrief</name>
    <message>
        <source>PPO2 от %1 до %2</source>
        <translation>PPO2 from %1 to %2</translation>
    </message>
    <message>
        <source>Не подниматься выше потолка</source>
        <translation>Stay below the ceiling</translation>
    </message>
    <message>
        <source>Выйти на поверхность за %1 мин</source>
        <translation>Surface within %1 min</translation>
    </message>
    <message>
        <source>CNS ниже %1 %</source>
        <translation>CNS below %1 %</translation>
    </message>
    <message>
        <source>Остаток газа в баллонах не меньше %1 %</source>
        <translation>Gas left in the cylinders at least %1 %</translation>
    </message>
    <message>
        <source>вне пределов</source>
        <translation>outside the limits</translation>
    </message>
    <message>
        <source>выше потолка</source>
        <translation>above the ceiling</translation>
    </message>
    <message>
        <source>время погружения</source>
        <translation>dive time</translation>
    </message>
    <message>
        <source>наибольшее CNS</source>
        <translation>highest CNS</translation>
    </message>
    <message>
        <source>меньший остаток</source>
        <translation>smaller reserve</translation>
    </message>
    <message>
        <source>всплытие на поверхность</source>
        <translation>surfaced</translation>
    </message>
    <message>
        <source>истекло время тренировки</source>
        <translation>the drill time ran out</translation>
    </message>
    <message>
        <source>СБРОС</source>
        <translation>RESET</translation>
    </message>
    <message>
        <source>предел: сутки погружения или миллион тактов</source>
        <translation>limit: a day of diving or a million ticks</translation>
    </message>
    <message>
        <source>тысяча тактов подряд с ошибкой</source>
        <translation>a thousand ticks in a row ended on an error</translation>
    </message>
    <message>
        <source>тренировка не окончена</source>
        <translation>the drill has not ended</translation>
    </message>
    <message>
        <source>Время погружения</source>
        <translation>Dive time</translation>
    </message>
    <message>
        <source>Наибольшая глубина</source>
        <translation>Greatest depth</translation>
    </message>
    <message>
        <source>PPO2 ниже 0,4</source>
        <translation>PPO2 below 0,4</translation>
    </message>
    <message>
        <source>PPO2 выше 1,6</source>
        <translation>PPO2 above 1,6</translation>
    </message>
    <message>
        <source>Наименьшее PPO2</source>
        <translation>Lowest PPO2</translation>
    </message>
    <message>
        <source>Наибольшее PPO2</source>
        <translation>Highest PPO2</translation>
    </message>
    <message>
        <source>Выше потолка</source>
        <translation>Above the ceiling</translation>
    </message>
    <message>
        <source>Наибольшее CNS</source>
        <translation>Highest CNS</translation>
    </message>
    <message>
        <source>Израсходовано кислорода</source>
        <translation>Oxygen used</translation>
    </message>
    <message>
        <source>Израсходовано дилюента</source>
        <translation>Diluent used</translation>
    </message>
    <message>
        <source>мин</source>
        <translation>min</translation>
    </message>
    <message>
        <source>м</source>
        <translation>m</translation>
    </message>
    <message>
        <source>л</source>
        <translation>l</translation>
    </message>
    <message>
        <source>Время (мин)</source>
        <translation>Time (min)</translation>
    </message>
    <message>
        <source>Разбор</source>
        <translation>Debrief</translation>
    </message>
    <message>
        <source>Цели</source>
        <translation>Objectives</translation>
    </message>
    <message>
        <source>Показатели</source>
        <translation>Dive data</translation>
    </message>
    <message>
        <source>Глубина (м)</source>
        <translation>Depth (m)</translation>
    </message>
    <message>
        <source>Сохранить как текст…</source>
        <translation>Save as text…</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Разбор тренировки «%1»</source>
        <translation>Debrief of the drill &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Окончание: %1</source>
        <translation>Ended by: %1</translation>
    </message>
    <message>
        <source>✔ выполнена</source>
        <translation>✔ met</translation>
    </message>
    <message>
        <source>✘ не выполнена</source>
        <translation>✘ not met</translation>
    </message>
    <message>
        <source>У тренировки нет целей.</source>
        <translation>The drill has no objectives.</translation>
    </message>
    <message>
        <source>Глубина</source>
        <translation>Depth</translation>
    </message>
    <message>
        <source>Разбор не сохранён в файл «%1»: %2.</source>
        <translation>The debrief was not saved to the file &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Разбор — %1.txt</source>
        <translation>Debrief — %1.txt</translation>
    </message>
    <message>
        <source>Сохранить разбор</source>
        <translation>Save debrief</translation>
    </message>
    <message>
        <source>Текст (*.txt);;Все файлы (*)</source>
        <translation>Text (*.txt);;All files (*)</translation>
    </message>
    <message>
        <source>с</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Отреагировать на отказ за %1 с</source>
        <translation>React to the failure within %1 s</translation>
    </message>
    <message>
        <source>время реакции</source>
        <translation>reaction time</translation>
    </message>
    <message>
        <source>тренировка</source>
        <translation>drill</translation>
    </message>
    <message>
        <source>обучаемый</source>
        <translation>trainee</translation>
    </message>
    <message>
        <source>Время реакции: %1</source>
        <translation>Reaction time: %1</translation>
    </message>
    <message>
        <source>нет</source>
        <translation>none</translation>
    </message>
    <message>
        <source>строка %1: %2 (из %3–%4 мин)</source>
        <translation>line %1: %2 (of %3–%4 min)</translation>
    </message>
    <message>
        <source>Случайное время событий: %1</source>
        <translation>Times drawn for the events: %1</translation>
    </message>
    <message>
        <source>Журнал</source>
        <translation>Log</translation>
    </message>
    <message>
        <source>Время</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Кто</source>
        <translation>Who</translation>
    </message>
    <message>
        <source>Что</source>
        <translation>What</translation>
    </message>
    <message>
        <source>Цели:</source>
        <translation>Objectives:</translation>
    </message>
    <message>
        <source>выполнена</source>
        <translation>met</translation>
    </message>
    <message>
        <source>НЕ выполнена</source>
        <translation>NOT met</translation>
    </message>
    <message>
        <source>Показатели:</source>
        <translation>Dive data:</translation>
    </message>
    <message>
        <source>Журнал:</source>
        <translation>Log:</translation>
    </message>
    <message>
        <source>Остаток газа байлаута не меньше %1 %</source>
        <translation>Bailout gas left at least %1 %</translation>
    </message>
    <message>
        <source>На байлауте</source>
        <translation>On bailout</translation>
    </message>
    <message>
        <source>Израсходовано газа байлаута</source>
        <translation>Bailout gas used</translation>
    </message>
    <message>
        <source>Без газа</source>
        <translation>Out of gas</translation>
    </message>
</context>
<context>
    <name>TDiveComputer</name>
    <message>
        <source>ГИПОКСИЯ</source>
        <translation>HYPOXIA</translation>
    </message>
    <message>
        <source>ГИПЕРОКСИЯ</source>
        <translation>HYPEROXIA</translation>
    </message>
    <message>
        <source>ПОТОЛОК</source>
        <translation>CEILING</translation>
    </message>
    <message>
        <source>КИСЛОРОД &lt; 10 %</source>
        <translation>OXYGEN &lt; 10 %</translation>
    </message>
    <message>
        <source>ДИЛЮЕНТ &lt; 10 %</source>
        <translation>DILUENT &lt; 10 %</translation>
    </message>
    <message>
        <source>Вечн</source>
        <translation>Unlimited</translation>
    </message>
    <message>
        <source>нет</source>
        <translation>none</translation>
    </message>
    <message>
        <source>ЦНС, %</source>
        <translation>CNS, %</translation>
    </message>
    <message>
        <source>Бездекомпрессионное время</source>
        <translation>No-decompression time</translation>
    </message>
    <message>
        <source>Время до поверхности</source>
        <translation>Time to surface</translation>
    </message>
    <message>
        <source>Первая остановка</source>
        <translation>First stop</translation>
    </message>
    <message>
        <source>Остановки</source>
        <translation>Stops</translation>
    </message>
    <message>
        <source>Дайв-компьютер</source>
        <translation>Dive computer</translation>
    </message>
    <message>
        <source>Кислородная нагрузка на нервную систему, % от предела</source>
        <translation>Oxygen load on the nervous system, % of the limit</translation>
    </message>
    <message>
        <source>Кислородная нагрузка на лёгкие, единиц OTU</source>
        <translation>Oxygen load on the lungs, in OTU</translation>
    </message>
    <message>
        <source>Датчики PPO2</source>
        <translation>PPO2 cells</translation>
    </message>
    <message>
        <source>Итог</source>
        <translation>Voted</translation>
    </message>
    <message>
        <source>Промывка дилюентом: PPO2</source>
        <translation>Diluent flush: PPO2</translation>
    </message>
    <message>
        <source>PPO2, по которому работает контроллер: голосование трёх датчиков</source>
        <translation>The PPO2 the controller works by: the vote of the three cells</translation>
    </message>
    <message>
        <source>Что должен показать каждый датчик сразу после промывки контура дилюентом</source>
        <translation>What every cell should read right after a diluent flush of the loop</translation>
    </message>
    <message>
        <source>Датчик %1 исключён голосованием</source>
        <translation>Cell %1 voted out</translation>
    </message>
    <message>
        <source>Датчик %1</source>
        <translation>Cell %1</translation>
    </message>
    <message>
        <source>ДАТЧИК %1 ИСКЛЮЧЁН</source>
        <translation>CELL %1 VOTED OUT</translation>
    </message>
    <message>
        <source>ДАТЧИКИ НЕ СОГЛАСНЫ</source>
        <translation>CELLS DISAGREE</translation>
    </message>
    <message>
        <source>Пов. GF</source>
        <translation>Surf GF</translation>
    </message>
    <message>
        <source>Насыщение ведущего отсека на текущей глубине, % от предела</source>
        <translation>The leading compartment at the present depth, % of its limit</translation>
    </message>
    <message>
        <source>Насыщение ведущего отсека при всплытии на поверхность сейчас, % от предела</source>
        <translation>The leading compartment if the diver surfaced now, % of its limit</translation>
    </message>
    <message>
        <source>Градиент-факторы плана: нажмите, чтобы изменить</source>
        <translation>The gradient factors of the plan: press to change them</translation>
    </message>
    <message>
        <source>Отрицательный консерватизм не учитывается: план считается с 0</source>
        <translation>A negative conservatism is not used: the plan counts it as 0</translation>
    </message>
    <message>
        <source>GF %1/%2</source>
        <translation>GF %1/%2</translation>
    </message>
    <message>
        <source>НЕТ ГАЗА</source>
        <translation>OUT OF GAS</translation>
    </message>
    <message>
        <source>Нет газа
для байлаута</source>
        <translation>No bailout gas</translation>
    </message>
    <message>
        <source>Дыхание</source>
        <translation>Breathing</translation>
    </message>
    <message>
        <source>План байлаута</source>
        <translation>Bailout plan</translation>
    </message>
    <message>
        <source>Чем дышит дайвер: контур или газ байлаута (меню «Байлаут»)</source>
        <translation>What the diver breathes: the loop or a bailout gas (the &quot;Bailout&quot; menu)</translation>
    </message>
    <message>
        <source>Всплытие на газах байлаута, если перейти на них сейчас, с остановками по GF</source>
        <translation>The ascent on the bailout gases if the diver bailed out now, with stops at the gradient factors</translation>
    </message>
    <message>
        <source>Газ %1 (%2)</source>
        <translation>Gas %1 (%2)</translation>
    </message>
    <message>
        <source>%1: нужно / есть, л</source>
        <translation>%1: need / have, l</translation>
    </message>
    <message>
        <source>%1 л</source>
        <translation>%1 l</translation>
    </message>
    <message>
        <source>Контур</source>
        <translation>Loop</translation>
    </message>
    <message>
        <source>%1 мин</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>%1 м, %2 мин</source>
        <translation>%1 m, %2 min</translation>
    </message>
    <message>
        <source>ДЕКО</source>
        <translation>DECO</translation>
    </message>
    <message>
        <source>&gt; 24 ч</source>
        <translation>&gt; 24 h</translation>
    </message>
    <message>
        <source>не взят</source>
        <translation>not carried</translation>
    </message>
</context>
<context>
    <name>TDiveComputerSettings</name>
    <message>
        <source>Настройки дайв-компьютера</source>
        <translation>Dive computer settings</translation>
    </message>
    <message>
        <source>Градиент-факторы (GF), %</source>
        <translation>Gradient factors (GF), %</translation>
    </message>
    <message>
        <source>GF низкий</source>
        <translation>GF low</translation>
    </message>
    <message>
        <source>GF высокий</source>
        <translation>GF high</translation>
    </message>
    <message>
        <source>от 10 до 100, низкий не выше высокого</source>
        <translation>10 to 100, low not above high</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Не принято: GF низкий и GF высокий — целые числа от 10 до 100, и низкий не больше высокого.</source>
        <translation>Not taken: GF low and GF high are whole numbers from 10 to 100, and low is not above high.</translation>
    </message>
</context>
<context>
    <name>TDiveGraph</name>
    <message>
        <source>За гранью</source>
        <translation>Beyond</translation>
    </message>
    <message>
        <source>возможного</source>
        <translation>the possible</translation>
    </message>
    <message>
        <source>График погружения</source>
        <translation>Dive graph</translation>
    </message>
    <message>
        <source>История дайва</source>
        <translation>Dive history</translation>
    </message>
    <message>
        <source>Глубина (метры)</source>
        <translation>Depth (metres)</translation>
    </message>
    <message>
        <source>PPO2 (Кг/см2)</source>
        <translation>PPO2 (kg/cm2)</translation>
    </message>
    <message>
        <source>Время (минуты)</source>
        <translation>Time (minutes)</translation>
    </message>
    <message>
        <source>----- Глубина</source>
        <translation>----- Depth</translation>
    </message>
    <message>
        <source>----- Безопасная глубина</source>
        <translation>----- Safe depth</translation>
    </message>
    <message>
        <source> Время: </source>
        <translation> Time: </translation>
    </message>
    <message>
        <source> Глубина: </source>
        <translation> Depth: </translation>
    </message>
    <message>
        <source>Время: </source>
        <translation>Time: </translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Настройки не сохранены. Закрыть программу без сохранения настроек?</source>
        <translation>The settings were not saved. Close the program without saving the settings?</translation>
    </message>
    <message>
        <source>Закрыть без сохранения</source>
        <translation>Close without saving</translation>
    </message>
    <message>
        <source>Не закрывать</source>
        <translation>Don&apos;t close</translation>
    </message>
    <message>
        <source>Вечн</source>
        <translation>∞</translation>
    </message>
    <message>
        <source>Имя настройки не может начинаться с пробела</source>
        <translation>A preset name cannot start with a space</translation>
    </message>
    <message>
        <source>Имя настройки не может начинаться с символа табуляции</source>
        <translation>A preset name cannot start with a tab</translation>
    </message>
    <message>
        <source>Имя настройки не может содержать символ «%1»</source>
        <translation>A preset name cannot hold the character &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Имя настройки не может содержать перевод строки</source>
        <translation>A preset name cannot hold a line break</translation>
    </message>
    <message>
        <source>Имя настройки содержит недопустимую последовательность байтов</source>
        <translation>The preset name holds an invalid byte sequence</translation>
    </message>
    <message>
        <source>Имя настройки не может заканчиваться пробелом</source>
        <translation>A preset name cannot end with a space</translation>
    </message>
    <message>
        <source>Имя настройки не может заканчиваться символом табуляции</source>
        <translation>A preset name cannot end with a tab</translation>
    </message>
    <message>
        <source>Имя «%1» нельзя сохранить в файле настроек</source>
        <translation>The name &quot;%1&quot; cannot be kept in the settings file</translation>
    </message>
</context>
<context>
    <name>TForm1Layout</name>
    <message>
        <source>Содержит поля для ввода исходных данных</source>
        <translation>Holds the fields for the starting data</translation>
    </message>
    <message>
        <source>Минимальный объём контура (Литров) </source>
        <translation>Minimum loop volume (litres) </translation>
    </message>
    <message>
        <source>Максимальный объём контура (Литров) </source>
        <translation>Maximum loop volume (litres) </translation>
    </message>
    <message>
        <source>Начальный объём контура (Литров) </source>
        <translation>Starting loop volume (litres) </translation>
    </message>
    <message>
        <source>Скорость погружения (Метров в минуту) </source>
        <translation>Descent rate (metres per minute) </translation>
    </message>
    <message>
        <source>Скорость всплытия (Метров в минуту) </source>
        <translation>Ascent rate (metres per minute) </translation>
    </message>
    <message>
        <source>1 Уставка РРО2 (Кг/см^2) </source>
        <translation>PPO2 setpoint 1 (kg/cm^2) </translation>
    </message>
    <message>
        <source>2 Уставка РРО2 (Кг/см^2)</source>
        <translation>PPO2 setpoint 2 (kg/cm^2)</translation>
    </message>
    <message>
        <source>Начальное РРО2 в контуре (Кг/см^2) </source>
        <translation>Starting loop PPO2 (kg/cm^2) </translation>
    </message>
    <message>
        <source>Подача кислорода через ЭМ клапан (Литров в минуту) </source>
        <translation>O2 solenoid valve flow (litres per minute) </translation>
    </message>
    <message>
        <source>Подача дилюента через ЭМ клапан (Литров в минуту) </source>
        <translation>Diluent solenoid flow (litres per minute) </translation>
    </message>
    <message>
        <source>Подача кислорода через байпас (Литров в минуту) </source>
        <translation>O2 bypass flow (litres per minute) </translation>
    </message>
    <message>
        <source>Подача дилюента через байпас (Литров в минуту) </source>
        <translation>Diluent bypass flow (litres per minute) </translation>
    </message>
    <message>
        <source>Постоянная подача кислорода (Литров в минуту) </source>
        <translation>Constant O2 flow (litres per minute) </translation>
    </message>
    <message>
        <source>Постоянная подача дилюента (Литров в минуту) </source>
        <translation>Constant diluent flow (litres per minute) </translation>
    </message>
    <message>
        <source>Коэффициент регенерации</source>
        <translation>Regeneration ratio</translation>
    </message>
    <message>
        <source>Содержание кислорода в дилюенте (%)</source>
        <translation>Oxygen in the diluent (%)</translation>
    </message>
    <message>
        <source>Содержание гелия в дилюенте (%)</source>
        <translation>Helium in the diluent (%)</translation>
    </message>
    <message>
        <source>Объём кислорода в баллоне (Литров) </source>
        <translation>Oxygen in the cylinder (litres) </translation>
    </message>
    <message>
        <source>Объём кислорода (при атмосферном давлении) который закачан в баллон</source>
        <translation>Volume of oxygen (at atmospheric pressure) filled into the cylinder</translation>
    </message>
    <message>
        <source>Объём дилюента в баллоне (Литров) </source>
        <translation>Diluent in the cylinder (litres) </translation>
    </message>
    <message>
        <source>Объём дилюента (при атмосферном давлении) который закачан в баллон</source>
        <translation>Volume of diluent (at atmospheric pressure) filled into the cylinder</translation>
    </message>
    <message>
        <source>Минимальное -10 мсек. Максимальное - 1000 мсек.</source>
        <translation>Minimum - 10 ms. Maximum - 1000 ms.</translation>
    </message>
    <message>
        <source>Время дискретизации (миллисек)</source>
        <translation>Time step (milliseconds)</translation>
    </message>
    <message>
        <source>ЛА на O2</source>
        <translation>ADV on O2</translation>
    </message>
    <message>
        <source>Переключает лёгочный автомат на кислород (выбрано - кислород, пусто - дилюент)</source>
        <translation>Switches the automatic diluent valve to oxygen (checked - oxygen, clear - diluent)</translation>
    </message>
    <message>
        <source>Активация</source>
        <translation>Active</translation>
    </message>
    <message>
        <source>Активация первой уставки PPO2 для eCCR</source>
        <translation>Activates the first PPO2 setpoint for eCCR</translation>
    </message>
    <message>
        <source>Активация второй уставки PPO2 для eCCR</source>
        <translation>Activates the second PPO2 setpoint for eCCR</translation>
    </message>
    <message>
        <source>Авария О2</source>
        <translation>O2 failure</translation>
    </message>
    <message>
        <source>Авария ЭМ клапана О2 (выбран - открыт постоянно)</source>
        <translation>O2 solenoid failure (checked - stuck open)</translation>
    </message>
    <message>
        <source>Авария ЭМ клапана дилюента (выбран - открыт постоянно)</source>
        <translation>Diluent solenoid failure (checked - stuck open)</translation>
    </message>
    <message>
        <source>Отключение ЭМ клапана дилюента (выбран - отключено)</source>
        <translation>Diluent solenoid switched off (checked - off)</translation>
    </message>
    <message>
        <source>=&gt;&gt; Подробно</source>
        <translation>=&gt;&gt; Details</translation>
    </message>
    <message>
        <source>Ввод подробных характеристик контура</source>
        <translation>Enter the detailed loop figures</translation>
    </message>
    <message>
        <source>Загрузить</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>Загрузка сохранённой предустановки</source>
        <translation>Loads the saved preset</translation>
    </message>
    <message>
        <source>Удалить</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Удалить выбранную запись</source>
        <translation>Deletes the selected entry</translation>
    </message>
    <message>
        <source>Сохранить как:</source>
        <translation>Save as:</translation>
    </message>
    <message>
        <source>Добавить предустановку в базу</source>
        <translation>Adds the preset to the list</translation>
    </message>
    <message>
        <source>Впишите сюда название сохраняемой настройки</source>
        <translation>Type the name of the preset to save here</translation>
    </message>
    <message>
        <source>Предустановка эмуляции замкнутого ребризера с электронным управлением</source>
        <translation>Preset for an electronically controlled closed-circuit rebreather</translation>
    </message>
    <message>
        <source>Предустановка эмуляции замкнутого ребризера с ручным управлением (KISS)</source>
        <translation>Preset for a manually controlled closed-circuit rebreather (KISS)</translation>
    </message>
    <message>
        <source>Предустановка эмуляции замкнутого кислородного ребризера </source>
        <translation>Preset for a closed-circuit oxygen rebreather </translation>
    </message>
    <message>
        <source>Вручную</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>Настройка всех параметров вручную</source>
        <translation>Set every parameter by hand</translation>
    </message>
    <message>
        <source>Дефолт</source>
        <translation>Default</translation>
    </message>
    <message>
        <source>Установка всех значений по умолчанию</source>
        <translation>Sets every value to its default</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Глубина на которую можно всплыть без риска получить ДКБ</source>
        <translation>Depth you can ascend to without risk of decompression sickness</translation>
    </message>
    <message>
        <source>Оптимальное - 5...15 сек. Минимальное - 1сек. Максимальное-  60сек.</source>
        <translation>Best - 5...15 s. Minimum - 1 s. Maximum - 60 s.</translation>
    </message>
    <message>
        <source>Время дискретизации декомпрессионного блока (сек)</source>
        <translation>Decompression time step (seconds)</translation>
    </message>
    <message>
        <source>Отрезок времени за который программа будет делать один проход декомпрессионных рассчётов</source>
        <translation>The time over which the program makes one pass of the decompression calculation</translation>
    </message>
    <message>
        <source>Оставить неизменным если вы находитесь на уровне моря и это первый дайв</source>
        <translation>Leave unchanged at sea level on the first dive</translation>
    </message>
    <message>
        <source>Начальное парциальное давление азота в тканях (Кг/см^2) </source>
        <translation>Starting nitrogen pressure in the tissues (kg/cm^2) </translation>
    </message>
    <message>
        <source>Поставить равным нулю если это ваш первый дайв</source>
        <translation>Set to zero on your first dive</translation>
    </message>
    <message>
        <source>Начальное парциальное давление гелия в тканях (Кг/см^2) </source>
        <translation>Starting helium pressure in the tissues (kg/cm^2) </translation>
    </message>
    <message>
        <source>Коэффициент консерватизма декообсчётов. Минимум - 0, максимум - 10. </source>
        <translation>Conservatism of the decompression calculation. Minimum - 0, maximum - 10. </translation>
    </message>
    <message>
        <source>Глубина безопасного всплытия (Метров)</source>
        <translation>Safe ascent depth (metres)</translation>
    </message>
    <message>
        <source> ПОГРУЖАЙСЯ!!!</source>
        <translation> DESCEND!!!</translation>
    </message>
    <message>
        <source>Время бездекомпрессионного дайва (Мин)</source>
        <translation>No-decompression time (min)</translation>
    </message>
    <message>
        <source>Время которое дайвер может провести на текущей глубине без необходимости совершать декомпрессионную остановку при всплытии</source>
        <translation>Time the diver can stay at the current depth without needing a decompression stop on the ascent</translation>
    </message>
    <message>
        <source>Время которое дайвер может провести на текущей глубине без необходимости совершать декомпрессионную остановку</source>
        <translation>Time the diver can stay at the current depth without needing a decompression stop</translation>
    </message>
    <message>
        <source>Обновить бездек. время</source>
        <translation>Update no-deco time</translation>
    </message>
    <message>
        <source>Нажмите чтобы начать просчёт</source>
        <translation>Press to start the calculation</translation>
    </message>
    <message>
        <source>Расход кислорода в литрах</source>
        <translation>Oxygen used in litres</translation>
    </message>
    <message>
        <source>Расход дилюента в литрах</source>
        <translation>Diluent used in litres</translation>
    </message>
    <message>
        <source>Выделено (и поглощено ХПИ) углекислого газа в литрах</source>
        <translation>Carbon dioxide produced (and absorbed by the scrubber) in litres</translation>
    </message>
    <message>
        <source>Текущее потребление кислорода в литрах в минуту</source>
        <translation>Current oxygen consumption in litres per minute</translation>
    </message>
    <message>
        <source>Текущая максимальная глубина в метрах</source>
        <translation>Current maximum depth in metres</translation>
    </message>
    <message>
        <source>Текущая начальная глубина в метрах</source>
        <translation>Current starting depth in metres</translation>
    </message>
    <message>
        <source>Отмечает &quot;потолок&quot; всплытия для следующей ДКО</source>
        <translation>Marks the ascent &quot;ceiling&quot; of the next decompression stop</translation>
    </message>
    <message>
        <source>Консоль приборов контроля погружения</source>
        <translation>Dive instrument console</translation>
    </message>
    <message>
        <source>Парциальное давление азота в контуре</source>
        <translation>Partial pressure of nitrogen in the loop</translation>
    </message>
    <message>
        <source>Парциальное давление гелия в контуре</source>
        <translation>Partial pressure of helium in the loop</translation>
    </message>
    <message>
        <source>Глубина</source>
        <translation>Depth</translation>
    </message>
    <message>
        <source>Время</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Показания датчика РРО2 в килограммах на кв.см.</source>
        <translation>PPO2 sensor reading in kilograms per sq. cm</translation>
    </message>
    <message>
        <source>Показания датчика глубины в метрах</source>
        <translation>Depth gauge reading in metres</translation>
    </message>
    <message>
        <source>Показания секундомера от начала &quot;дайва&quot;</source>
        <translation>Stopwatch since the start of the &quot;dive&quot;</translation>
    </message>
    <message>
        <source>0м</source>
        <translation>0m</translation>
    </message>
    <message>
        <source>50м</source>
        <translation>50m</translation>
    </message>
    <message>
        <source>100м</source>
        <translation>100m</translation>
    </message>
    <message>
        <source>Это вы :)</source>
        <translation>That&apos;s you :)</translation>
    </message>
    <message>
        <source>Состояние клапана сброса (выбран - закрыто)</source>
        <translation>Overpressure valve (checked - closed)</translation>
    </message>
    <message>
        <source>ЭМ клапан кислорода (выбран - закрыто)</source>
        <translation>Oxygen solenoid valve (checked - closed)</translation>
    </message>
    <message>
        <source>ЭМ клапан дилюента (выбран - закрыто)</source>
        <translation>Diluent solenoid valve (checked - closed)</translation>
    </message>
    <message>
        <source>ЛА кислорода (выбран - закрыто)</source>
        <translation>Oxygen addition valve (checked - closed)</translation>
    </message>
    <message>
        <source>ЛА дилюента (выбран - закрыто)</source>
        <translation>Diluent addition valve (checked - closed)</translation>
    </message>
    <message>
        <source>Текущий объём цикла в литрах</source>
        <translation>Current loop volume in litres</translation>
    </message>
    <message>
        <source>Байпас О2</source>
        <translation>O2 bypass</translation>
    </message>
    <message>
        <source>Подаёт кислород в обход автомата со скоростью подачи кислорода автоматом</source>
        <translation>Adds oxygen past the valve at the valve&apos;s oxygen flow</translation>
    </message>
    <message>
        <source>Байпас Ди</source>
        <translation>Dil bypass</translation>
    </message>
    <message>
        <source>Подаёт дилюент в обход автомата со скоростью подачи дилюента автоматом</source>
        <translation>Adds diluent past the valve at the valve&apos;s diluent flow</translation>
    </message>
    <message>
        <source>График погружения</source>
        <translation>Dive graph</translation>
    </message>
    <message>
        <source>Потолок подъёма в барах</source>
        <translation>Ascent ceiling in kg/cm²</translation>
    </message>
    <message>
        <source>ppНе</source>
        <translation>ppHe</translation>
    </message>
    <message>
        <source>Парц. давление гелия в тканях</source>
        <translation>Helium partial pressure in the tissues</translation>
    </message>
    <message>
        <source>Парц. давление азота в тканях</source>
        <translation>Nitrogen partial pressure in the tissues</translation>
    </message>
    <message>
        <source>ПОГРУЖЕНИЕ</source>
        <translation>DIVE</translation>
    </message>
    <message>
        <source>ПАУЗА</source>
        <translation>PAUSE</translation>
    </message>
    <message>
        <source>Приостановить просчёт</source>
        <translation>Pauses the calculation</translation>
    </message>
    <message>
        <source>ПРОДОЛЖИТЬ</source>
        <translation>CONTINUE</translation>
    </message>
    <message>
        <source>Нажмите чтобы продолжить просчёт</source>
        <translation>Press to continue the calculation</translation>
    </message>
    <message>
        <source>СБРОС</source>
        <translation>RESET</translation>
    </message>
    <message>
        <source>Loopwright (Бэта - для тестов и вдумчивого использования)</source>
        <translation>Loopwright (Beta - for testing and careful use)</translation>
    </message>
</context>
<context>
    <name>TLoopdetales</name>
    <message>
        <source>Объём «%1» слишком велик: не больше 1E15 л</source>
        <translation>The volume &quot;%1&quot; is too large: at most 1E15 l</translation>
    </message>
    <message>
        <source>Объём лёгких на вдохе (литры)</source>
        <translation>Lung volume, breathed in (litres)</translation>
    </message>
    <message>
        <source>Объём лёгких при глубоком вдохе</source>
        <translation>Lung volume after a deep breath in</translation>
    </message>
    <message>
        <source>Объём лёгких на выдохе (литры)</source>
        <translation>Lung volume, breathed out (litres)</translation>
    </message>
    <message>
        <source>Объём лёгких при полном выдохе</source>
        <translation>Lung volume after a full breath out</translation>
    </message>
    <message>
        <source>Объём дыхательного мешка (литры)</source>
        <translation>Counterlung volume (litres)</translation>
    </message>
    <message>
        <source>Объём надутого дыхательного мешка</source>
        <translation>Volume of the inflated counterlung</translation>
    </message>
    <message>
        <source>Объём свободного пространства в шлангах и</source>
        <translation>Free space in the hoses and</translation>
    </message>
    <message>
        <source>Сколько примерно свободного пространства в системе шлангов/коннекторов и между зерен ХП в канистре</source>
        <translation>About how much free space there is in the hoses and connectors and between the absorbent grains in the canister</translation>
    </message>
    <message>
        <source>Подробные настройки контура</source>
        <translation>Loop details</translation>
    </message>
    <message>
        <source>Готово</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>межзерновое пространство в скруббере (литры)</source>
        <translation>between the scrubber grains (litres)</translation>
    </message>
</context>
<context>
    <name>WriteFailure</name>
    <message>
        <source>это не обычный файл (устройство, канал или сокет)</source>
        <translation>not a regular file (a device, a pipe or a socket)</translation>
    </message>
    <message>
        <source>это ссылка на открытый программой файл, а не имя файла</source>
        <translation>a link to a file the program has open, not a file&apos;s name</translation>
    </message>
    <message>
        <source>это стандартный ввод, вывод или поток ошибок программы</source>
        <translation>the program&apos;s own standard input, output or error</translation>
    </message>
    <message>
        <source>такой папки нет</source>
        <translation>no such folder</translation>
    </message>
    <message>
        <source>нет прав на запись</source>
        <translation>no permission to write</translation>
    </message>
    <message>
        <source>диск доступен только для чтения</source>
        <translation>the disk is read-only</translation>
    </message>
    <message>
        <source>на диске нет места</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>превышена квота на диске</source>
        <translation>the disk quota is exceeded</translation>
    </message>
    <message>
        <source>это папка, а не файл</source>
        <translation>it is a folder, not a file</translation>
    </message>
    <message>
        <source>в пути есть файл вместо папки</source>
        <translation>the path has a file where a folder should be</translation>
    </message>
    <message>
        <source>слишком длинное имя</source>
        <translation>the name is too long</translation>
    </message>
</context>
</TS>
