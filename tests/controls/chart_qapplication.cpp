#include <QApplication>

#include <gtest/gtest.h>

namespace {

// Widgets need one QApplication for the whole test program.
class ChartApplication : public ::testing::Environment
{
public:
    void SetUp() override
    {
        static int argc = 1;
        static char name[] = "plotchart_test";
        static char *argv[] = {name, nullptr};
        m_app = new QApplication(argc, argv);
    }
    void TearDown() override { delete m_app; }

private:
    QApplication *m_app = nullptr;
};

const auto *const kEnvironment = ::testing::AddGlobalTestEnvironment(new ChartApplication);

} // namespace
