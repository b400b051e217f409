// A document window with a realistic file open, grabbed offscreen for a look.

#include "DocumentFixture.h"

#include "platform/widgets/TabStrip.h"

#include <QPixmap>

TEST_F(DocumentTest, ScreenshotOfAnOpenFile) {
    auto doc = NewDocument();
    ASSERT_TRUE(doc->OpenFile(RealisticFile()));
    doc->resize(1000, 420);
    doc->grab().save(QStringLiteral("/tmp/doc.png"));
    doc->SSTab1()->setTab(1);
    doc->grab().save(QStringLiteral("/tmp/doc1.png"));
    doc->SSTab1()->setTab(2);
    doc->grab().save(QStringLiteral("/tmp/doc2.png"));
    doc->SSTab1()->setTab(3);
    doc->grab().save(QStringLiteral("/tmp/doc3.png"));
    doc->setCaption(QString());
}
