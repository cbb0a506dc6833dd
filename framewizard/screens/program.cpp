#include "framewizard/screens/program.h"

#include "framewizard/engine/results_text.h"

#include <QDir>

namespace framewizard {

namespace {
QString& homeOverride()
{
    static QString folder;
    return folder;
}
} // namespace

FrameModel& frameModel()
{
    static FrameModel model;
    return model;
}

void setResultsHome(const QString& folder)
{
    homeOverride() = folder;
}

QString resultsHome()
{
    return homeOverride().isEmpty() ? QDir::homePath() : homeOverride();
}

QString resultsFilePath()
{
    return QString::fromStdString(engine::resultsFilePath(QDir::toNativeSeparators(resultsHome()).toStdString()));
}

} // namespace framewizard
