#include "wizard_driver.h"
class EntryTest : public QObject
{
    Q_OBJECT
};
QTEST_MAIN(EntryTest)
#include "test_entry.moc"
