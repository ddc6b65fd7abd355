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
// The key of the number as a text writes it (a record's customer number, an item's product number).
QString numberedKey(QStringView numberText);
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

// The archive mark stands before the display text of a customer or product deleted while invoice
// records still use it. It is read and written here only: the rest of the program asks these.

// Whether a customer's text is an archived customer's: its display name begins with the mark.
bool isArchivedCustomerText(QStringView customerText);
// Whether a customer's text is a current customer's whole record (nine fields, not archived): the
// only customers the visible lists show.
bool isCurrentCustomerRecord(QStringView customerText);
// The display name a customer's text holds, without the archive mark: the name under which an
// archived customer still shows in the periods that bill it. The view lives as long as the text.
QStringView shownCustomerName(QStringView customerText);
// A display name without the archive mark (an invoice record's customer name may carry it).
QStringView withoutArchiveMark(QStringView displayName);
// The same customer's text, archived.
QString archivedCustomerText(const QString& customerText);
// Whether a display text (a customer's display name, a product's display text) would read as
// archived however it were stored: it begins with the archive mark. It cannot be a current entry's.
bool readsAsArchived(QStringView displayText);
// The archive mark as a user would type it, to name it in a message.
QString archiveMarkText();

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

// The display part of a product text (from character 13 on), without the archive mark.
QString productDisplayText(const QString& productText);
bool isArchivedProductText(QStringView productText);
// The same product's text, archived: the mark after the price prefix, so it keeps its place.
QString archivedProductText(const QString& productText);
// The name part of a product's display text, or of a text that begins with one (a billed item's,
// with its quantity suffix): everything after the first " - ", which a name may itself hold.
// Nothing when the text has no " - ".
std::optional<QStringView> productNameInDisplayText(QStringView displayText);

struct BillPeriodRecord {
    enum Field { Start, Name, End, BillDue, FieldCount };

    QString start;
    QString name;
    QString end;
    QString billDue;

    // The key of a period read from the file: its name and FieldSeparator. (A period entered in the
    // window is keyed by its name alone.)
    QString fileKey() const;
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

// One entry of an invoice record's item list, as written and as read.
struct BilledItemEntry {
    QStringView text;
    // The product number as the entry writes it: its text before the first "x".
    QStringView productNumber;
    // Nothing when the entry is not wholly an item (readBilledItem).
    std::optional<BilledItem> item;
};

// The entries of an item list text in order; none for an empty list. The views live as long as
// the text.
std::vector<BilledItemEntry> billedItemEntries(QStringView itemList);

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
