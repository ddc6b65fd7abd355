#pragma once

#include "Money.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

namespace tav::records {

// Splits a record's text into its fields.
QStringList splitFields(const QString& text);
QString joinFields(const QStringList& fields);
// Whether a text holds exactly the given number of fields.
bool hasFieldCount(const QString& text, qsizetype fields);

// Customer and product keys: the number followed by "k" (customer 12 has the key 12k).
QString numberedKey(qint64 number);
// The key with every "k" removed, as the text it is.
QString keyNumberText(const QString& key);
// Whether a text is a usable customer or product number: decimal digits only (leading zeros
// allowed) giving a whole number from 1 up to 2,147,483,647.
bool isRecordNumber(QStringView text);
// The largest number among a table's keys, 0 for an empty table.
class RecordTable;
qint64 highestKeyNumber(const RecordTable& table);

// "Last, First"; the first name alone when there is no last name. Both parts exactly as typed.
QString customerDisplayName(const QString& firstName, const QString& lastName);

struct CustomerRecord {
    enum Field { DisplayName, FName, LName, Add1, Add2, Add3, Email, Phone, Notes, FieldCount };

    // Fields 1 to 8, first name to notes.
    std::array<QString, 8> values;
    bool archived = false;

    QString displayName() const;
    // Nine fields; the display name carries ArchivePrefix when the customer is archived.
    QString text() const;
    // Nothing unless the text holds exactly nine fields.
    static std::optional<CustomerRecord> fromText(const QString& text);
};

struct ProductRecord {
    // Between the price and the name in the display text.
    static inline const QString kNameSeparator = QStringLiteral(" - ");

    // The price as read once, when the product was loaded or entered: nothing when the file's price
    // text is not wholly a price this program can hold (see LocalAmounts::stored). Such a product
    // keeps its text, cannot be billed, and prints without an amount.
    std::optional<Cents> price = 0;
    // The price as shown (in local currency form), as the file's ItemPrice holds it.
    QString priceText;
    QString name;
    bool archived = false;

    // Price, " - ", name ($12.50 - Lawn mowing).
    QString displayText() const;
    // The sort prefix, ArchivePrefix when archived, then the display text.
    QString text() const;
    // Reads a product text: the display part from character 13 on, the name after its first " - ".
    static ProductRecord fromText(const QString& text);
};

// The display part of a product text (from character 13 on), without ArchivePrefix.
QString productDisplayText(const QString& productText);
bool isArchivedProductText(const QString& productText);

struct BillPeriodRecord {
    enum Field { Start, Name, End, BillDue, FieldCount };

    QString start;
    QString name;
    QString end;
    QString billDue;

    QString text() const;
    static std::optional<BillPeriodRecord> fromText(const QString& text);
};

// One billed product: its number and how many.
struct BilledItem {
    qint64 productNumber = 0;
    int quantity = 1;

    bool operator==(const BilledItem&) const = default;
};

// The largest quantity of a billed item: the quantity suffix shows nine digits at most.
inline constexpr int kMaxQuantity = 999'999'999;

// Item entries joined by ItemSeparator; a quantity above 1 is written after an "x" (7, 12x3).
QString itemListText(const std::vector<BilledItem>& items);
// The one reading of an item entry, for every use: a product number, then optionally "x" and a
// quantity from 1 to kMaxQuantity, all in decimal digits. Nothing for any other entry: it is kept as
// the file writes it, and prints without an amount.
std::optional<BilledItem> readBilledItem(QStringView entry);

struct InvoiceRecord {
    enum Field { Period, CustomerName, CustomerNumber, AccountBalance, Items, Note, FieldCount };

    QString period;
    QString customerName;
    QString customerNumber;
    QString balance; // as the file holds it: a plain decimal, "0" when paid
    QString items;   // the item list text
    QString note;

    static QString key(const QString& period, const QString& customerNumber);
    QString key() const { return key(period, customerNumber); }
    QString text() const;
    static std::optional<InvoiceRecord> fromText(const QString& text);
};

} // namespace tav::records
