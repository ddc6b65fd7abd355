#include "SyntheticDatabase.h"

#include "records/Money.h"
#include "records/RecordFormats.h"

#include <QDate>
#include <QLocale>
#include <QRandomGenerator>

#include <cmath>

namespace tav::bench {

namespace {

using records::Cents;

const char* const kFirstNames[]
    = {"Anna",  "Ben",   "Clara", "David", "Eva",  "Frank", "Greta", "Hugo",  "Ines", "Jonas",
       "Karin", "Lukas", "Marie", "Nils",  "Olga", "Paul",  "Rosa",  "Simon", "Tina", "Uwe"};
const char* const kLastNames[] = {"Smith", "Miller", "Jones",  "Brown", "Garcia",   "Wilson",   "Taylor",  "Clark",
                                  "Lewis", "Walker", "Young",  "Allen", "King",     "Wright",   "Scott",   "Green",
                                  "Baker", "Adams",  "Nelson", "Hill",  "Campbell", "Mitchell", "Roberts", "Carter"};
const char* const kStreets[] = {"Oak Street", "Maple Avenue", "Cedar Lane", "Pine Road", "Elm Court", "Lake Drive"};
const char* const kServices[] = {"Lawn mowing",    "Hedge trimming", "Snow removal", "Gutter cleaning",
                                 "Window washing", "Leaf pickup",    "Pool service", "Tree care - large"};

template <typename T, size_t n>
const char* pick(QRandomGenerator& random, T (&list)[n])
{
    return list[random.bounded(static_cast<quint32>(n))];
}

records::RecordTable customers(QRandomGenerator& random, int count)
{
    records::RecordTable table;
    for (int number = 1; number <= count; ++number) {
        records::CustomerRecord customer;
        customer.values
            = {QString::fromLatin1(pick(random, kFirstNames)),
               QString::fromLatin1(pick(random, kLastNames)) + QString::number(number % 97),
               QStringLiteral("%1 %2").arg(random.bounded(1, 9999)).arg(QLatin1String(pick(random, kStreets))),
               random.bounded(4) == 0 ? QStringLiteral("Apt. %1").arg(random.bounded(1, 300)) : QString(),
               QStringLiteral("Springfield, IL 627%1").arg(random.bounded(10, 99)),
               QStringLiteral("customer%1@example.com").arg(number),
               QStringLiteral("(217) 555-%1").arg(random.bounded(1000, 9999)),
               random.bounded(10) == 0 ? QStringLiteral("Gate code 1234 & dog \"Rex\"") : QString()};
        customer.archived = random.bounded(50) == 0;
        table.add(records::numberedKey(number), customer.text());
    }
    return table;
}

records::RecordTable products(QRandomGenerator& random, int count, std::vector<Cents>& prices)
{
    const QLocale dollars(QLocale::English, QLocale::UnitedStates);
    records::RecordTable table;
    prices.assign(static_cast<size_t>(count) + 1, 0);
    for (int number = 1; number <= count; ++number) {
        records::ProductRecord product;
        const Cents price = random.bounded(100, 50'000);
        product.price = price;
        product.priceText = records::currencyText(price, dollars);
        product.name = QStringLiteral("%1 %2").arg(QLatin1String(pick(random, kServices))).arg(number);
        product.archived = random.bounded(20) == 0;
        prices[static_cast<size_t>(number)] = price;
        table.add(records::numberedKey(number), product.text());
    }
    return table;
}

QString storedDate(QDate date)
{
    return date.toString(QStringLiteral("yyyy/MM/dd"));
}

} // namespace

SyntheticSize SyntheticSize::scaled(double scale)
{
    const SyntheticSize full;
    SyntheticSize size;
    size.customers = std::max(10, static_cast<int>(std::lround(full.customers * scale)));
    size.products = std::max(10, static_cast<int>(std::lround(full.products * scale)));
    size.invoiceRecords = size.customers * size.periods;
    return size;
}

records::Database syntheticDatabase(const SyntheticSize& size)
{
    QRandomGenerator random(20061231);
    records::Database database;
    database.company.texts = {QStringLiteral("Green & Sons Lawn Care"),
                              QStringLiteral("12 Main Street"),
                              QStringLiteral("Springfield, IL 62701"),
                              QString(),
                              QStringLiteral("(217) 555-0100 / lawn@example.com"),
                              QStringLiteral("We keep it green"),
                              QStringLiteral("Monthly service"),
                              QStringLiteral("Green & Sons"),
                              QStringLiteral("Thank you for your business!")};
    database.customers = customers(random, size.customers);
    std::vector<Cents> prices;
    database.products = products(random, size.products, prices);

    const int perPeriod = size.invoiceRecords / std::max(size.periods, 1);
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    for (int period = 0; period < size.periods; ++period) {
        const QDate start = QDate(2006, 1, 1).addMonths(period);
        const records::BillPeriodRecord record{storedDate(start), english.toString(start, QStringLiteral("MMMM yyyy")),
                                               storedDate(start.addMonths(1).addDays(-1)),
                                               storedDate(start.addMonths(1).addDays(14))};
        database.periods.add(record.fileKey(), record.text());
        const bool recent = period >= size.periods - 12;
        for (int i = 0; i < perPeriod; ++i) {
            const int customer = i % size.customers + 1;
            std::vector<records::BilledItem> items(static_cast<size_t>(random.bounded(1, 5)));
            Cents balance = 0;
            for (records::BilledItem& item : items) {
                item.productNumber = random.bounded(1, size.products + 1);
                item.quantity = random.bounded(5) == 0 ? random.bounded(2, 4) : 1;
                balance += prices[static_cast<size_t>(item.productNumber)] * item.quantity;
            }
            const bool paid = !recent || random.bounded(3) != 0;
            records::InvoiceRecord record;
            record.period = english.toString(start, QStringLiteral("MMMM yyyy"));
            record.customerNumber = QString::number(customer);
            // As the load names them: without the archive mark.
            record.customerName
                = records::shownCustomerName(*database.customers.find(records::numberedKey(customer))).toString();
            record.balance = records::balanceText(paid ? 0 : balance);
            record.items = records::itemListText(items);
            record.note = paid && random.bounded(8) == 0 ? QStringLiteral("Check #%1").arg(random.bounded(1000, 9999))
                                                         : QString();
            database.invoiceRecords.add(record.key(), record.text());
        }
    }
    return database;
}

} // namespace tav::bench
