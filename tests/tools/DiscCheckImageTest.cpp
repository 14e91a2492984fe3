// disc-check on disc images: an image reports what its folder reports, plus
// what only an image can get wrong.
#include "DiscPlan.h"
#include "DiscReport.h"
#include "ReportFormat.h"

#include "startup/OpenDisc.h"
#include "support/ImageFixture.h"
#include "ui/DiscMount.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace disccheck;

namespace {

DiscReport checkImage(const QString& image) {
    QString why;
    if (!startup::OpenDisc(image, &why)) throw std::runtime_error(why.toStdString());
    DiscReport r = CheckDisc(ui::MountedRoot());
    ui::UnmountImage();
    return r;
}

}  // namespace

TEST(DiscCheckImage, TheJsonOfAnImageIsThatOfItsFolderButForThePath) {
    if (!fixture::ImageFixture::haveTool("xorriso")) GTEST_SKIP() << "xorriso is missing";
    fixture::DiscFixture disc;
    discplan::DiscPlan plan;
    plan.header = "a.wmv";  // missing: the same error from both
    discplan::WriteDisc(disc, plan);
    fixture::ImageFixture images;
    const QString iso = images.makeJolietIso(disc.path());
    ASSERT_FALSE(iso.isEmpty()) << images.error().toStdString();

    const QByteArray fromFolder = FormatJson(CheckDisc(disc.path()));
    QByteArray fromImage = FormatJson(checkImage(iso));
    EXPECT_TRUE(fromFolder.contains("a.wmv"));
    fromImage.replace((iso + "/").toUtf8(), disc.path().toUtf8());
    EXPECT_EQ(fromImage, fromFolder);
}

TEST(DiscCheckImage, ACutShortImageIsAnError) {
    if (!fixture::ImageFixture::haveTool("xorriso")) GTEST_SKIP() << "xorriso is missing";
    fixture::DiscFixture disc;
    discplan::WriteDisc(disc, discplan::DiscPlan{});
    disc.write("BIG.DAT", QByteArray(1024 * 1024, 'x'));  // cut through (past the padding)
    fixture::ImageFixture images;
    const QString iso = images.makeJolietIso(disc.path());
    ASSERT_FALSE(iso.isEmpty()) << images.error().toStdString();
    QFile file(iso);
    ASSERT_TRUE(file.resize(file.size() - 900 * 1024));

    const DiscReport r = checkImage(iso);
    const bool named = std::any_of(r.problems.begin(), r.problems.end(), [](const Problem& p) {
        return p.severity == Severity::Error && p.message.contains("end of the image");
    });
    EXPECT_TRUE(named) << FormatText(r).toStdString();
}
