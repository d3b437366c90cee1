#include "StoreValues.h"

#include <limits>

namespace murvane::storevalues {

namespace {

std::optional<std::int64_t> integerFromText(const QString& text)
{
    bool ok = false;
    const qlonglong value = text.toLongLong(&ok, 10);
    if (!ok)
        return std::nullopt;
    return value;
}

std::optional<bool> boolFromText(const QString& text)
{
    if (text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
        return true;
    if (text.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
        return false;
    return std::nullopt;
}

} // namespace

std::int64_t toInteger(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::Bool:
        return value.toLongLong();
    case QMetaType::ULongLong: {
        const qulonglong v = value.toULongLong();
        return v <= qulonglong(std::numeric_limits<std::int64_t>::max()) ? std::int64_t(v) : 0;
    }
    case QMetaType::QString: {
        const QString text = value.toString();
        if (const auto integer = integerFromText(text))
            return *integer;
        if (const auto boolean = boolFromText(text))
            return *boolean ? 1 : 0;
        return 0;
    }
    default:
        return 0;
    }
}

bool toBool(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::Bool:
        return value.toBool();
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
        return value.toULongLong() != 0;
    case QMetaType::QString: {
        const QString text = value.toString();
        if (const auto boolean = boolFromText(text))
            return *boolean;
        if (const auto integer = integerFromText(text))
            return *integer != 0;
        return false;
    }
    default:
        return false;
    }
}

std::optional<QString> toString(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::QString:
        return value.toString();
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    case QMetaType::Int:
    case QMetaType::LongLong:
        return QString::number(value.toLongLong());
    case QMetaType::UInt:
    case QMetaType::ULongLong:
        return QString::number(value.toULongLong());
    default:
        return std::nullopt;
    }
}

std::optional<QByteArray> toData(const QVariant& value)
{
    if (value.typeId() == QMetaType::QByteArray)
        return value.toByteArray();
    return std::nullopt;
}

} // namespace murvane::storevalues
