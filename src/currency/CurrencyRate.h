#pragma once

#include <QCoreApplication>
#include <QString>
#include <QtGlobal>

#include <optional>

// Exchange rates as whole numbers of millionths, read from text and never through binary
// floating point, and amounts converted with them: the product is exact and is rounded once,
// half to even, to the line's rounding step.
class CurrencyRate
{
    Q_DECLARE_TR_FUNCTIONS(CurrencyRate)

public:
    static constexpr int Decimals = 6;
    static constexpr qint64 Scale = 1'000'000;
    // A unit of the sale is worth at most a million units of another currency: with the bid's
    // limit the product stays far inside 64 bits.
    static constexpr qint64 MaxScaled = qint64(1'000'000) * Scale;

    enum class Error
    {
        None,
        Empty,
        NotANumber,
        TooManyDecimals,
        NotPositive,
        TooLarge
    };

    // "1.0834", " 162.5 ", "0.000001": the rate in millionths. A decimal point only; no sign
    // but a leading "-" (refused as not positive), no exponent, no grouping.
    static std::optional<qint64> Parse(QStringView text, Error* error = nullptr);
    // What is wrong with a rate, for the operator; `code` names the line.
    static QString Message(Error error, const QString& code);
    // "1.0834": the rate without trailing zeros, at least one decimal.
    static QString Text(qint64 scaled);

    // amount * rate, rounded half to even to a multiple of step (1, 10, 100 or 1000).
    static qint64 Convert(qint64 amount, qint64 scaledRate, int step);
    // The rate of `target` against `sale` when both are given against a third currency (the
    // euro): target / sale, rounded half to even to 6 decimals. Nothing when it is 0 or too large.
    static std::optional<qint64> Cross(qint64 targetPerBase, qint64 salePerBase);

    static bool IsStep(int step) { return step == 1 || step == 10 || step == 100 || step == 1000; }
};
