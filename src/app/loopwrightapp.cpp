#include "loopwrightapp.h"

#include "util/error.h"

LoopwrightApp::LoopwrightApp()
{
    form.setDialogs(&about, &graph, &details);
    QObject::connect(&details, &TLoopdetales::failed, &form, &TForm1::reportError);
}

void LoopwrightApp::startUp()
{
    try {
        details.derive();
    } catch (const LoopwrightError &e) {
        form.reportError(QString::fromUtf8(e.what()));
    }
}
