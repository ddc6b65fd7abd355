#include "MainWindowFixture.h"

#include <QDir>
#include <QDirIterator>

#include <unistd.h>

namespace tav::test {

QByteArray sampleDatabase()
{
    const char* lines[] = {
        "<TAV-DB>",
        "",
        "\t<CompanyInfo>",
        "\t\t<CompanyName>Green &amp; Sons</CompanyName>",
        "\t\t<CompanyAdd1>1 Main Street</CompanyAdd1>",
        "\t</CompanyInfo>",
        "",
        "\t<Customers>",
        "\t\t<Customer CID=\"1\">",
        "\t\t\t<FName>Bob</FName>",
        "\t\t\t<LName>Adams</LName>",
        "\t\t\t<Add1>2 Oak Road</Add1>",
        "\t\t\t<Current>Yes</Current>",
        "\t\t</Customer>",
        "\t\t<Customer CID=\"2\">",
        "\t\t\t<FName>Ann</FName>",
        "\t\t\t<LName>Lee</LName>",
        "\t\t\t<Current>Yes</Current>",
        "\t\t</Customer>",
        "\t\t<Customer CID=\"3\">",
        "\t\t\t<FName>Old</FName>",
        "\t\t\t<LName>Gone</LName>",
        "\t\t\t<Current>No</Current>",
        "\t\t</Customer>",
        "\t</Customers>",
        "",
        "\t<BillPeriods>",
        "\t\t<BillPeriod>",
        "\t\t\t<BPName>January</BPName>",
        "\t\t\t<BPStart>2026/01/01</BPStart>",
        "\t\t\t<BPEnd>2026/01/31</BPEnd>",
        "\t\t\t<BillDue>2026/02/15</BillDue>",
        "\t\t</BillPeriod>",
        "\t\t<BillPeriod>",
        "\t\t\t<BPName>February</BPName>",
        "\t\t\t<BPStart>2026/02/01</BPStart>",
        "\t\t\t<BPEnd>2026/02/28</BPEnd>",
        "\t\t\t<BillDue>2026/03/15</BillDue>",
        "\t\t</BillPeriod>",
        "\t</BillPeriods>",
        "",
        "\t<ProductsAndServices>",
        "\t\t<PS PSID=\"1\">",
        "\t\t\t<Item>Lawn mowing</Item>",
        "\t\t\t<ItemPrice>$12.50</ItemPrice>",
        "\t\t\t<Current>Yes</Current>",
        "\t\t</PS>",
        "\t\t<PS PSID=\"2\">",
        "\t\t\t<Item>Hedge trimming</Item>",
        "\t\t\t<ItemPrice>$5.00</ItemPrice>",
        "\t\t\t<Current>Yes</Current>",
        "\t\t</PS>",
        "\t\t<PS PSID=\"3\">",
        "\t\t\t<Item>Snow removal</Item>",
        "\t\t\t<ItemPrice>$40.00</ItemPrice>",
        "\t\t\t<Current>No</Current>",
        "\t\t</PS>",
        "\t</ProductsAndServices>",
        "",
        "\t<InvoiceRecords>",
        "\t\t<InvoiceRecord>",
        "\t\t\t<BP>January</BP>",
        "\t\t\t<CID>1</CID>",
        "\t\t\t<AccountBalance>25</AccountBalance>",
        "\t\t\t<PSID Number=\"1\">1x2</PSID>",
        "\t\t</InvoiceRecord>",
        "\t\t<InvoiceRecord>",
        "\t\t\t<BP>January</BP>",
        "\t\t\t<CID>3</CID>",
        "\t\t\t<AccountBalance>0</AccountBalance>",
        "\t\t\t<PSID Number=\"1\">3</PSID>",
        "\t\t\t<Note>check 1001</Note>",
        "\t\t</InvoiceRecord>",
        "\t</InvoiceRecords>",
        "",
        "</TAV-DB>",
    };
    QByteArray bytes;
    for (const char* line : lines)
        bytes += QByteArray(line) + "\r\n";
    return bytes;
}

QString databaseFile()
{
    return testFolder() + QLatin1String("/program/TAV.xml");
}

void writeDatabaseFile(const QByteArray& content)
{
    QFile file(databaseFile());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
}

QByteArray readDatabaseFile()
{
    QFile file(databaseFile());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

namespace {

constexpr uid_t kOrdinaryUser = 65534;

} // namespace

OrdinaryUser::OrdinaryUser()
{
    if (::geteuid() != 0)
        return;
    const QString program = testFolder() + "/program";
    ::chown(QFile::encodeName(testFolder()).constData(), kOrdinaryUser, kOrdinaryUser);
    QDirIterator files(testFolder(), QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = files.next();
        if (path != program && !path.startsWith(program + "/"))
            ::chown(QFile::encodeName(path).constData(), kOrdinaryUser, kOrdinaryUser);
    }
    // The real user as well, which access() asks; root stays the saved user, to come back to.
    switched_ = ::setresuid(kOrdinaryUser, kOrdinaryUser, 0) == 0;
}

OrdinaryUser::~OrdinaryUser()
{
    if (switched_)
        ::setresuid(0, 0, 0);
}

app::MainWindow* MainWindowTest::start()
{
    test::createScriptedDialogs();
    window = new app::MainWindow;
    window->load();
    return window;
}

void MainWindowTest::TearDown()
{
    // Closes without the shutdown question: the tests decide themselves what gets saved.
    if (window && !window->unloaded()) {
        window->books().setUnsaved(false);
        window->unload();
    }
    components::releaseDialogs();
}

} // namespace tav::test
