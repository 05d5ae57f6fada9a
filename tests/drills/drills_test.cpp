#include "drills/drillsession.h"

#include "rig.h"
#include "shippeddrills.h"
#include "tempfolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

namespace {

std::string fileText(const std::string &path)
{
    return readBytes(std::string(LOOPWRIGHT_SOURCE_DIR) + "/" + path);
}

// Flies a drill as the headless runner does, with a scripted response, and
// keeps what it left.
struct Flight
{
    Rig r;
    std::optional<DrillSession> session;
    Debrief debrief;
    std::string passes; // '+' or '-' per objective

    explicit Flight(const std::string &text, const std::string &response = {},
            DrillSession::Mode mode = DrillSession::Mode::Headless, std::uint64_t seed = 1)
    {
        auto parsed = parseDrill(text);
        auto actions = parseResponse(response);
        for (const DrillError *error :
                {std::get_if<DrillError>(&parsed), std::get_if<DrillError>(&actions)}) {
            if (error) {
                ADD_FAILURE() << error->english;
                return;
            }
        }
        applyDrillSetup(std::get<Drill>(parsed), r.sim);
        r.sim.start();
        session.emplace(std::get<Drill>(parsed), r.sim, mode, seed,
                std::get<std::vector<DrillEvent>>(actions));
        session->begin();
        for (int i = 0; i < 200000 && !session->ended(); ++i)
            session->afterTick(r.tick().empty());
        debrief = session->debrief();
        for (const ObjectiveResult &o : debrief.objectives)
            passes += o.passed ? '+' : '-';
    }
};

class ShippedDrill : public testing::TestWithParam<ShippedDrillCase>
{ };

// Both languages, flown with --seed 1 as the responses are written for.
TEST_P(ShippedDrill, TheCorrectResponsePassesAndTheWrongOneFails)
{
    const std::string name = GetParam().name;
    const std::string responses = "tests/drills/responses/" + name;
    for (const std::string folder : {"drills/", "drills/en/"}) {
        const std::string drill = fileText(folder + name + ".drill");
        const Flight correct(drill, fileText(responses + ".correct"));
        const Flight wrong(drill, fileText(responses + ".wrong"));
        EXPECT_EQ(correct.passes, std::string(std::strlen(GetParam().wrongPasses), '+')) << folder;
        EXPECT_EQ(wrong.passes, GetParam().wrongPasses) << folder;
        EXPECT_EQ(correct.debrief.endedBy, DrillEnd::Surface) << folder;
        EXPECT_FALSE(correct.session->drill().brief.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Drills, ShippedDrill, testing::ValuesIn(kShippedDrills),
        [](const auto &info) { return testName(info.param.name); });

struct BadDrill
{
    const char *text;
    const char *message; // in Russian, for the window
    const char *english; // for loopwright-sim
};

class MalformedDrill : public testing::TestWithParam<BadDrill>
{ };

TEST_P(MalformedDrill, IsRefusedWithItsLineAndAReasonInBothLanguages)
{
    const auto parsed = parseDrill(GetParam().text);
    ASSERT_TRUE(std::holds_alternative<DrillError>(parsed));
    EXPECT_EQ(std::get<DrillError>(parsed).russianMessage(), GetParam().message);
    EXPECT_EQ(std::get<DrillError>(parsed).english, GetParam().english);
}

INSTANTIATE_TEST_SUITE_P(Lines, MalformedDrill,
        testing::Values(BadDrill {"title A\n\nfoo 1\n", "строка 3: неизвестная команда «foo»",
                                "unknown command 'foo'"},
                BadDrill {"# a comment\nstart\n",
                        "строка 2: команда запуска «start» в тренировке не допускается",
                        "'start' is a run command, not allowed in a drill"},
                BadDrill {"title A\ntitle B\n", "строка 2: у тренировки уже есть название",
                        "the drill has a title already"},
                BadDrill {"end-after 5\nend-after 6\n", "строка 2: у тренировки уже есть end-after",
                        "the drill has an end-after already"},
                BadDrill {"press O2Bypass\n",
                        "строка 1: «press» допускается только после «at МИНУТЫ»",
                        "'press' is allowed only after 'at MINUTES'"},
                BadDrill {"at -1 note x\n", "строка 1: минуты не могут быть отрицательными",
                        "the minutes must be zero or more"},
                BadDrill {"at 8..7,5 note x\n",
                        "строка 1: промежуток «8..7,5» кончается раньше, чем начинается",
                        "the range '8..7,5' ends before it begins"},
                BadDrill {"\nat -1..2 note x\n", "строка 2: минуты не могут быть отрицательными",
                        "the minutes must be zero or more"},
                BadDrill {"at 1..x note x\n", "строка 1: минуты: нужно число, а не «x»",
                        "the minutes must be a number, not 'x'"},
                BadDrill {"at 1 supply O2 shut\n",
                        "строка 1: ожидается open или closed, а не «shut»",
                        "expected open or closed, not 'shut'"},
                BadDrill {"objective ppo2-between 1,6 0,4\n",
                        "строка 1: наименьшее PPO2 больше наибольшего",
                        "the lowest PPO2 is above the highest"},
                BadDrill {"objective react-within -1\n",
                        "строка 1: секунды не могут быть отрицательными",
                        "the seconds must be zero or more"},
                BadDrill {"objective deep\n",
                        "строка 1: неизвестная цель «deep» (ppo2-between, no-ceiling-violation, "
                        "surface-within, cns-below, reserve-above, bailout-reserve-above, "
                        "react-within)",
                        "unknown objective 'deep' (ppo2-between, no-ceiling-violation, "
                        "surface-within, cns-below, reserve-above, bailout-reserve-above, "
                        "react-within)"},
                BadDrill {"details 6 1 x 2\n", "строка 1: объём: нужно число, а не «x»",
                        "a volume must be a number, not 'x'"},
                BadDrill {"brief ok\nbrief \xD0\n", "строка 2: строка не в кодировке UTF-8",
                        "the line is not UTF-8 text"},
                BadDrill {"brief \xED\xA0\x80\n", "строка 1: строка не в кодировке UTF-8",
                        "the line is not UTF-8 text"},
                BadDrill {"at 1 cell 2 stuck now\ncell 1 stuck now\n",
                        "строка 2: «stuck now» требует показаний датчика, а они появятся только "
                        "в погружении: пишите после «at МИНУТЫ»",
                        "'stuck now' needs the cell's reading, which comes with the dive: write it "
                        "after 'at MINUTES'"},
                BadDrill {"at 1 cell 2 slow 1e999\n",
                        "строка 1: время запаздывания: нужно число, а не «1e999»",
                        "the half-time must be a number, not '1e999'"},
                BadDrill {"details 6 1 6 -1,0000001e15\n",
                        "строка 1: объём «-1,0000001e15» больше 1E15 л",
                        "the volume '-1,0000001e15' is above 1E15 l"},
                BadDrill {"title A\rbrief\r\n\rfoo\n", "строка 4: неизвестная команда «foo»",
                        "unknown command 'foo'"},
                BadDrill {"bailout-gas 2 50 0 1100\nbailout 2\n",
                        "строка 2: «bailout» в подготовке отменит «ПОГРУЖЕНИЕ», которое "
                        "возвращает дайвера на контур: пишите после «at МИНУТЫ»",
                        "'bailout' in the set-up would be undone by the dive button, which puts "
                        "the diver on the loop: write it after 'at MINUTES'"}));

// What may follow "at" is one list, named in both languages.
TEST(DrillFile, OnlyActionsFailuresAndNotesCanBeTimed)
{
    const std::string timed = "(field, slider, check, press, release, supply, cell, bailout, note)";
    for (const auto &[text, word] : {std::pair {"at 1 ticks 5\n", "ticks"},
                 {"gf 30 70\nat 1 gf 50 80\n", "gf"}, {"at 1 bailout 2\nat 2 rmv 30\n", "rmv"}}) {
        const auto error = std::get<DrillError>(parseDrill(text));
        EXPECT_EQ(error.russian, "«" + std::string(word) + "» нельзя задать по времени " + timed);
        EXPECT_EQ(error.english, "'" + std::string(word) + "' cannot be timed " + timed);
    }
}

// A response is the trainee's: actions at fixed times, nothing else.
TEST(Response, HoldsOnlyTraineeActionsAtTheirTimes)
{
    const std::pair<const char *, const char *> bad[] = {
            {"at 1 press O2Bypass\nrelease O2Bypass\n",
                    "a response holds only 'at MINUTES ACTION' lines"},
            {"at 1 check CheckBox1 0\n",
                    "'check O2SolenoidStuck 0' sets a failure: a trainee cannot"},
            {"at 1 cell 1 ok\n",
                    "'cell' is not a trainee's action (field, slider, check, press, release, "
                    "supply, gf, bailout-gas, rmv, bailout)"},
            {"at 1..2 supply O2 closed\n", "a trainee's action comes at a time, not in a range"}};
    for (const auto &[text, english] : bad) {
        const auto parsed = parseResponse(text);
        ASSERT_TRUE(std::holds_alternative<DrillError>(parsed)) << text;
        EXPECT_EQ(std::get<DrillError>(parsed).english, english);
    }
    const auto good = parseResponse("# mine\n\nat 2,5 gf 30 70\nat 1 check Setpoint2Active 1\n");
    ASSERT_TRUE(std::holds_alternative<std::vector<DrillEvent>>(good));
    EXPECT_EQ(std::get<std::vector<DrillEvent>>(good).at(1).line, 4);
}

TEST(DrillFile, ReadsNumbersAsTheProgramDoesAndNamesObjectivesAsWritten)
{
    const auto parsed = parseDrill("\xEF\xBB\xBFtitle Проба # comment\nbrief один\nbrief\n"
                                   "objective  ppo2-between\t0,4 1.6\nend-after 2,5\n"
                                   "at 0,5..1.5 field DescentRate 9\n");
    ASSERT_TRUE(std::holds_alternative<Drill>(parsed));
    const Drill &d = std::get<Drill>(parsed);
    EXPECT_EQ(d.title, "Проба");
    EXPECT_EQ(d.brief, (std::vector<std::string> {"один", ""}));
    ASSERT_EQ(d.objectives.size(), 1u);
    const Objective &o = d.objectives[0];
    EXPECT_EQ(std::tuple(o.name, o.low, o.high), std::tuple("ppo2-between 0,4 1.6", 0.4, 1.6));
    EXPECT_EQ(d.endAfterMinutes, 2.5);
    EXPECT_EQ(std::pair(d.events.at(0).minutes, d.events.at(0).toMinutes),
            std::pair(0.5, std::optional(1.5)));
    // Each at its edge: a range of one time, no seconds to react, a cell
    // without lag, the least oxygen with helium to 100 %, pure oxygen.
    const auto edges = parseDrill("objective react-within 0\nat 3..3 cell 1 slow 0\n"
                                  "bailout-gas 1 5 95 10\nbailout-gas 2 100 0 10\n");
    if (const auto *error = std::get_if<DrillError>(&edges))
        ADD_FAILURE() << error->english;
}

TEST(DrillFile, AFileThatCannotBeReadIsNamedAsSuch)
{
    const std::string missing = std::string(LOOPWRIGHT_SOURCE_DIR) + "/drills/none.drill";
    for (const auto &[path, english] : {std::pair {missing, "cannot open the drill"},
                 std::pair {std::string(LOOPWRIGHT_SOURCE_DIR) + "/drills",
                         "the drill is not a regular file"}}) {
        const auto loaded = loadDrill(path);
        ASSERT_TRUE(std::holds_alternative<DrillError>(loaded)) << path;
        EXPECT_EQ(std::get<DrillError>(loaded).english, english);
        EXPECT_EQ(std::get<DrillError>(loaded).line, 0);
    }
    const auto response = loadResponse(missing);
    EXPECT_EQ(std::get<DrillError>(response).russianMessage(), "не удаётся открыть файл ответа");
}

TEST(DrillFile, AcceptsTheLineEndsOfEverySystemAndLinesUpTo64KiB)
{
    for (const std::string end : {"\n", "\r\n", "\r"}) {
        const std::string longest(scriptwords::kMaxLineBytes - 6, 'x');
        const auto parsed = parseDrill("title T" + end + "brief a" + end + end + "brief " + longest
                + end + "end-after 2" + end);
        ASSERT_TRUE(std::holds_alternative<Drill>(parsed)) << int(end[0]);
        const Drill &d = std::get<Drill>(parsed);
        EXPECT_EQ(d.brief, (std::vector<std::string> {"a", longest}));
        EXPECT_EQ(d.endAfterMinutes, 2.0);
        const auto tooLong = parseDrill("title T" + end + "brief " + longest + "x" + end);
        ASSERT_TRUE(std::holds_alternative<DrillError>(tooLong));
        EXPECT_EQ(
                std::get<DrillError>(tooLong).russianMessage(), "строка 2: строка длиннее 64 КиБ");
    }
}

// Commands written back as a file would hold them: names by parameter, the
// numbers as written.
TEST(Commands, AreWrittenBackInTheLanguagesWords)
{
    for (const auto &[line, words] : {std::pair {"check CheckBox6 1", "check Setpoint1Active 1"},
                 {"field Edit3  12,5 m", "field DescentRate 12,5 m"},
                 {"field Edit3", "field DescentRate"},
                 {"slider trackbarmaxdepth 30", "slider MaxDepth 30"}, {"gf 030 70", "gf 30 70"},
                 {"cell 2 limit 1,2", "cell 2 limit 1,2"}, {"cell 3 stuck now", "cell 3 stuck now"},
                 {"cell 1 limit none", "cell 1 limit none"}, {"bailout loop", "bailout loop"},
                 {"bailout 2", "bailout 2"},
                 {"bailout-gas 1 18 45,5 2200", "bailout-gas 1 18 45,5 2200"},
                 {"rmv 15.5", "rmv 15.5"}})
        EXPECT_EQ(commandWords(parseCommandLine(line)), words) << line;
}

// One-second ticks. The first tick fails (the conservatism cannot be read);
// the "at 0" line after it repairs the field. Lines due on the same tick come
// in the order they fall due, file order among equal times, and a line is
// due exactly at its time.
TEST(DrillSession, EventsRunAfterEveryTickInDueOrderAndFiguresCountCompletedTicks)
{
    Flight f("field TickMs 1000\ncheck Setpoint1Active 0\nfield Conservatism x\nat 0 field "
             "Conservatism 0\n"
             "at 0,01 note first\nat 0,005 note second\nat 0,05 note on time\n"
             "at 0,005 note third\nobjective ppo2-between 0,4 1,6\nend-after 0,1\n");
    std::vector<std::string> notes;
    for (const auto &note : f.session->notes())
        notes.push_back(note.text);
    EXPECT_EQ(notes, (std::vector<std::string> {"second", "third", "first", "on time"}));
    EXPECT_EQ(f.session->notes()[3].minutes, 0.05);
    EXPECT_EQ(f.debrief.endedBy, DrillEnd::EndAfter);
    EXPECT_EQ(f.debrief.figures.diveTimeMin, 0.1);
    EXPECT_EQ(f.debrief.objectives[0].value, 0.1) << "six completed ticks below 0,4";
    EXPECT_EQ(f.debrief.figures.minutesPpo2Below04, 0.1);
    EXPECT_EQ(f.r.state.simClockMs - kSimClockStartMs, 6000);
    EXPECT_FALSE(f.r.sim.view().controls.timerOn) << "the end pauses the dive";

    // Forty lines at one time keep file order, as a sort that is not stable would not.
    std::string same = "field TickMs 1000\nend-after 0,05\n";
    std::vector<std::string> fileOrder;
    for (int i = 0; i < 40; ++i) {
        fileOrder.push_back(std::to_string(i));
        same += "at 0,02 note " + fileOrder.back() + "\n";
    }
    notes.clear();
    const Flight inOrder(same);
    for (const auto &note : inOrder.session->notes())
        notes.push_back(note.text);
    EXPECT_EQ(notes, fileOrder);
}

// The engine's outputs are fixed by the standard (the 10 000th of the default
// seed is 9981545732273789042); the mapping to the range is the documented
// one, worked out by hand: (to - from) (k >> 11) / (2^53 - 1).
TEST(DrillSession, RangesDrawTheirTimesPortablyOncePerDive)
{
    std::mt19937_64 engine;
    engine.discard(9999);
    EXPECT_EQ(drawMinutes(engine, 2.0, 2.0), 2.0);
    engine.seed();
    engine.discard(9999);
    EXPECT_EQ(drawMinutes(engine, 0.0, 1.0), 4873801627086811.0 / 9007199254740991.0);
    // (to - from) k' first, then / (2^53 - 1): seed 1 over 0..1,5 rounds to
    // ...897 this way and to ...9 with the fraction taken first.
    engine.seed(1);
    EXPECT_EQ(drawMinutes(engine, 0.0, 1.5), 0.20081496601879897);

    // Seed 1's first output k has k >> 11 = 1205853608176909: 8 + 4 u.
    const std::string drill = "field TickMs 1000\nat 0 note go\nat 8..12 check O2SolenoidStuck 1\n"
                              "at 0..0,05 note early\nend-after 9\n";
    const Flight f(drill);
    ASSERT_EQ(f.debrief.drawn.size(), 2u);
    EXPECT_EQ(f.debrief.drawn[0], (DrawnTime {3, 8.0, 12.0, 8.53550657605013}));
    EXPECT_EQ(f.debrief.drawn[1].line, 4);
    EXPECT_EQ(f.debrief.seed, 1u);
    // Run after the first tick at or past the drawn time: 8:33.
    EXPECT_EQ(f.debrief.events.at(2), (LogEntry {513000, Actor::Drill, "check O2SolenoidStuck 1"}));
    EXPECT_NE(Flight(drill, {}, DrillSession::Mode::Headless, 2).debrief.drawn[0].minutes,
            f.debrief.drawn[0].minutes);
}

// The log holds every drill event and trainee action that ran, by whom and
// when; the reaction runs from the first drill event that is no note to the
// trainee's first action after it, and a drill's failure is its own: the
// engine acts on it, the user's box stays as it was, a reset mends it.
TEST(DrillSession, LogsWhatRanAndTimesTheTraineesReaction)
{
    const std::string drill = "field TickMs 1000\nat 0,02 note look\n"
                              "at 0,05 check O2SolenoidStuck 1\nobjective react-within 3\n"
                              "objective react-within 2,9\nend-after 0,2\n";
    Flight f(drill, "at 0,01 supply O2 closed\nat 0,1 supply O2 closed\nat 0,15 press O2Bypass\n");
    EXPECT_EQ(f.debrief.events,
            (std::vector<LogEntry> {{1000, Actor::Trainee, "supply O2 closed"},
                    {2000, Actor::Drill, "note look"},
                    {3000, Actor::Drill, "check O2SolenoidStuck 1"},
                    {6000, Actor::Trainee, "supply O2 closed"},
                    {9000, Actor::Trainee, "press O2Bypass"}}));
    EXPECT_EQ(f.debrief.reactionS, 3.0);
    EXPECT_EQ(f.passes, "+-") << "at the limit, and a tenth of a second over it";
    EXPECT_FALSE(f.r.form.isChecked(Check::o2SolenoidStuck));
    EXPECT_TRUE(f.r.sim.failed(Check::o2SolenoidStuck));
    f.session->traineeAction(parseCommandLine("supply O2 open"));
    EXPECT_EQ(f.session->log().size(), 5u) << "nothing logged after the end";
    f.r.sim.reset();
    EXPECT_FALSE(f.r.sim.failed(Check::o2SolenoidStuck));

    Flight idle(drill, "at 0,01 supply O2 closed\n", DrillSession::Mode::Window);
    EXPECT_EQ(idle.debrief.reactionS, std::nullopt) << "an action before the failure is none";
    EXPECT_EQ(idle.passes, "--");
}

TEST(DrillSession, EndsInTheOrderSurfaceEndAfterLimit)
{
    // 0.6 s ticks, 0.5 m a tick: down to 2 m, back at the surface at 6 s,
    // which is also the end-after time.
    const std::string dive = "field TickMs 600\nfield DescentRate 50\nfield AscentRate 50\n"
                             "at 0,06 slider MaxDepth 0\nend-after 0,1\n";
    EXPECT_EQ(Flight("slider MaxDepth 2\n" + dive).debrief.endedBy, DrillEnd::Surface);
    EXPECT_EQ(Flight("slider MaxDepth 1\n" + dive).debrief.endedBy, DrillEnd::EndAfter)
            << "a dive that never went below 1 m does not end at the surface";

    Flight day("field TickMs 1000\n");
    EXPECT_EQ(day.debrief.endedBy, DrillEnd::Limit);
    EXPECT_EQ(day.debrief.figures.diveTimeMin, 24 * 60);
    for (const auto &[end, name] : {std::pair {DrillEnd::Surface, "surface"},
                 {DrillEnd::EndAfter, "end-after"}, {DrillEnd::Reset, "reset"},
                 {DrillEnd::Limit, "limit"}, {DrillEnd::Error, "error"}, {DrillEnd::None, ""}})
        EXPECT_EQ(drillEndName(end), name);
}

TEST(DrillSession, ObjectivesJudgeTheirValuesAtTheirEdges)
{
    const std::string quiet = "field O2ConstantFlow 0\ncheck Setpoint1Active 0\n";
    Flight f(quiet
            + "field DilSupplyVolume 0\nobjective reserve-above 0\nobjective cns-below 0\n"
              "objective surface-within 5\nobjective no-ceiling-violation\nend-after 0,5\n");
    EXPECT_EQ(f.passes, "+--+") << "a CNS of 0 is not below 0";
    EXPECT_EQ(f.debrief.objectives[0].value, 0.0) << "a cylinder that held nothing";
    EXPECT_EQ(f.debrief.objectives[2].value, 0.5) << "in time, but not at the surface";

    Flight full(quiet + "field StartLoopVolume 8\nobjective reserve-above 100\nend-after 0,5\n");
    EXPECT_EQ(full.passes, "+") << "nothing used: exactly 100 % left";
    // The automatic valve fills the loop to 0,638625 on the first tick.
    EXPECT_EQ(Flight(quiet + "field StartPPO2 0,7\n"
                      + "objective ppo2-between 0,638625 1\nobjective ppo2-between 0 0,638624\n"
                        "end-after 0,5\n")
                      .passes,
            "+-");

    // Down to 3 m and back at one metre a second: at the surface at 6 s.
    const std::string dive = "field TickMs 1000\nfield DescentRate 60\nfield AscentRate 60\n"
                             "slider MaxDepth 3\nat 0,05 slider MaxDepth 0\n";
    EXPECT_EQ(Flight(dive + "objective surface-within 0,1\nobjective surface-within 0,09\n").passes,
            "+-");
}

// Headless, a thousand failing ticks in a row end the drill; a completed tick
// starts the count again, and the window never ends it so.
TEST(DrillSession, AThousandFailingTicksInARowEndItHeadless)
{
    Rig r;
    r.sim.start();
    const Drill drill = std::get<Drill>(parseDrill(""));
    DrillSession headless(drill, r.sim, DrillSession::Mode::Headless);
    DrillSession window(drill, r.sim, DrillSession::Mode::Window);
    headless.begin();
    window.begin();
    auto fail = [&](int n) {
        for (int i = 0; i < n; ++i) {
            headless.afterTick(false);
            window.afterTick(false);
        }
    };
    fail(999);
    headless.afterTick(true);
    fail(999);
    EXPECT_FALSE(headless.ended());
    fail(1);
    EXPECT_EQ(headless.endedBy(), DrillEnd::Error);
    fail(2000);
    EXPECT_FALSE(window.ended());
}

// A dive that never completes a tick passes nothing, and what is judged over
// the ticks has no value rather than a zero that would read as a pass.
TEST(DrillSession, WithoutACompletedTickNothingPassesAndTickValuesAreEmpty)
{
    // A failure and the trainee's answer at dive time 0 still give a
    // reaction time, though no tick completed.
    Flight f("field Conservatism x\nobjective ppo2-between 0 9\nobjective no-ceiling-violation\n"
             "objective surface-within 100\nobjective cns-below 100\n"
             "objective reserve-above 0\nobjective bailout-reserve-above 0\n"
             "at 0 cell 1 dead\nobjective react-within 60\n",
            "at 0 supply O2 open\n");
    EXPECT_EQ(f.debrief.endedBy, DrillEnd::Error);
    EXPECT_EQ(f.session->debrief().figures.diveTimeMin, 0.0);
    EXPECT_EQ(f.passes, "-------");
    std::vector<bool> hasValue;
    for (const ObjectiveResult &o : f.debrief.objectives)
        hasValue.push_back(o.value.has_value());
    EXPECT_EQ(hasValue, (std::vector<bool> {false, false, true, false, true, true, true}));
}

// One litre a tick at the surface (60 l/min). Gas 1's 4 l on ticks 2 and 3
// keep half, gas 2 untouched keeps all: the smaller share of the gases
// carried is 50 %. Gas 1's 3 l on ticks 2 to 6 run out: ticks 5 and 6 are
// out of gas; with no other gas carried its share, 0, is the value.
TEST(DrillSession, BailoutFiguresAndTheReserveOfTheGasesCarried)
{
    const std::string surface = "field TickMs 1000\nrmv 60\nend-after 0,1\nat 0 bailout 1\n";
    Flight half(surface
            + "bailout-gas 1 21 0 4\nat 0,05 bailout loop\nobjective bailout-reserve-above 50\n"
              "objective bailout-reserve-above 50,1\n");
    const auto figures = [](const Flight &f) {
        const DrillFigures &g = f.debrief.figures;
        return std::array {g.openCircuitMinutes, g.bailoutUsedL, g.minutesOutOfGas};
    };
    EXPECT_EQ(half.passes, "+-");
    EXPECT_EQ(half.debrief.objectives[0].value, 50.0);
    EXPECT_EQ(figures(half), (std::array {2.0 / 60.0, 2.0, 0.0}));

    Flight dry(surface
            + "bailout-gas 1 21 0 3\nbailout-gas 2 50 0 0\nobjective bailout-reserve-above 0\n");
    EXPECT_EQ(dry.passes, "+");
    EXPECT_EQ(dry.debrief.objectives[0].value, 0.0);
    EXPECT_EQ(figures(dry), (std::array {5.0 / 60.0, 3.0, 2.0 / 60.0}));
    EXPECT_EQ(dry.debrief.figures.minPpo2, 0.21) << "what was breathed, not the loop";

    // On gas 2 with gas 1 not carried: only the gas carried counts.
    Flight second("field TickMs 1000\nrmv 60\nend-after 0,1\nat 0 bailout 2\n"
                  "bailout-gas 1 21 0 0\nbailout-gas 2 50 0 4\nat 0,05 bailout loop\n"
                  "objective bailout-reserve-above 50\n");
    EXPECT_EQ(second.passes, "+");
    EXPECT_EQ(figures(second), (std::array {2.0 / 60.0, 2.0, 0.0}));

    Flight none(surface
            + "bailout-gas 1 21 0 0\nbailout-gas 2 50 0 0\nobjective bailout-reserve-above 0\n");
    EXPECT_EQ(none.debrief.objectives[0].value, 0.0);

    // Ticks that fail after the gas step took gas: no figure counts them.
    Rig r;
    r.set(Edit::conservatism, "x");
    r.sim.start();
    DrillSession session(std::get<Drill>(parseDrill("")), r.sim, DrillSession::Mode::Window);
    session.begin();
    r.state.breathing = Breathing::Gas1;
    for (int i = 0; i < 3; ++i)
        session.afterTick(r.tick().empty());
    EXPECT_GT(r.state.bailoutDelivered, 0.0);
    EXPECT_EQ(session.debrief().figures.bailoutUsedL, 0.0);
    EXPECT_EQ(session.debrief().figures.openCircuitMinutes, 0.0);
}

// The chart's samples: the first completed tick, every 10 s, and the last.
TEST(DrillSession, AResetEndsItKeepingWhatTheDiveShowed)
{
    Rig r;
    r.set(Edit::tickMs, "1000");
    r.sim.start();
    DrillSession session(std::get<Drill>(parseDrill("")), r.sim, DrillSession::Mode::Window);
    session.begin();
    for (int i = 0; i < 95; ++i)
        session.afterTick(r.tick().empty());
    r.sim.pause();
    r.sim.reset();
    session.endByReset();
    const Debrief d = session.debrief();
    EXPECT_EQ(d.endedBy, DrillEnd::Reset);
    EXPECT_EQ(d.figures.diveTimeMin, 95.0 / 60);
    EXPECT_GT(d.figures.o2UsedL, 0.0);
    ASSERT_EQ(d.samples.size(), 11u) << "at 1, 11, ... 91 s and 95 s";
    EXPECT_EQ(d.samples.back().minutes, 95.0 / 60);
}

TEST(Debrief, JsonHasTheAgreedShapeWithItsTextsEscaped)
{
    Debrief d;
    d.title = "Кислород \"пуст\" \\ a\tb\x01\x1f";
    d.endedBy = DrillEnd::Reset;
    d.objectives = {{ObjectiveKind::CnsBelow, "cns-below 80", 0, 80, true, -0.0},
            {ObjectiveKind::ReactWithin, "react-within 30", 0, 30, false, std::nullopt}};
    d.figures.diveTimeMin = 1.0 / 3;
    d.figures.otu = 2.5e-7;
    d.figures.openCircuitMinutes = 1.5;
    d.figures.bailoutUsedL = 2.25;
    d.figures.minutesOutOfGas = 0.5;
    d.seed = 7;
    d.drawn = {{3, 8, 12, 9.5}};
    d.events = {{480000, Actor::Drill, "check O2SolenoidStuck 1"},
            {573000, Actor::Trainee, "field PresetName a\nb"}};
    d.reactionS = 93;
    EXPECT_EQ(debriefJson(d),
            "{\"title\": \"Кислород \\\"пуст\\\" \\\\ a\\tb\\u0001\\u001f\", \"ended_by\": "
            "\"reset\",\n"
            " \"objectives\": [{\"name\": \"cns-below 80\", \"passed\": true, \"value\": 0},\n"
            "  {\"name\": \"react-within 30\", \"passed\": false, \"value\": null}],\n"
            " \"figures\": {\"dive_time_min\": 0.3333333333333333,\n"
            "             \"max_depth_m\": null,\n             \"minutes_ppo2_below_0_4\": null,\n"
            "             \"minutes_ppo2_above_1_6\": null,\n             \"min_ppo2\": null,\n"
            "             \"max_ppo2\": null,\n             \"minutes_above_ceiling\": null,\n"
            "             \"max_cns_percent\": null,\n             \"otu\": 2.5e-07,\n"
            "             \"o2_used_l\": 0,\n             \"dil_used_l\": 0,\n"
            "             \"oc_minutes\": 1.5,\n             \"bailout_used_l\": 2.25,\n"
            "             \"minutes_out_of_gas\": 0.5},\n"
            " \"seed\": 7, \"drawn\": [{\"line\": 3, \"from_min\": 8, \"to_min\": 12, \"t_min\": "
            "9.5}],\n"
            " \"events\": [{\"t_min\": 8, \"by\": \"drill\", \"what\": \"check O2SolenoidStuck "
            "1\"},\n"
            "  {\"t_min\": 9.55, \"by\": \"trainee\", \"what\": \"field PresetName a\\nb\"}],\n"
            " \"reaction_s\": 93}\n");
}

} // namespace
