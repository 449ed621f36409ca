#pragma once

#include "DateTime.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <cstdint>
#include <exception>
#include <functional>

class QImage;

// The user name and password carried by a Basic authentication header.
struct TUserLogin
{
    QString login;
    QString senha;
};

class TWorkerThread;

// The steps of a worker thread (see TUtils::CustomThread).
using TProc = std::function<void()>;
// Completion step: told true exactly when the error step ran.
using TProcWithError = std::function<void(bool)>;
// Error step: the message to show.
using TProcedureExcept = std::function<void(const QString &)>;
// Termination handler: runs on the main thread with the thread that has just ended.
using TNotifyEvent = std::function<void(const TWorkerThread &sender)>;
// Shows a failure that escaped a worker's steps; runs on the main thread.
using TThreadFailureHandler = std::function<void(const TWorkerThread &sender)>;

// The thread object a termination handler receives once every step of a worker has run.
class TWorkerThread final
{
public:
    // The failure that escaped the steps; null when the thread ended cleanly.
    std::exception_ptr FatalException() const { return m_fatal; }
    // The failure's text (an Exception's message, what() of any other standard exception);
    // empty when the thread ended cleanly.
    QString FatalMessage() const;

private:
    friend class TWorkerRun;
    std::exception_ptr m_fatal;
};

// Stateless helpers of the whole system: the name rules that tie properties to table columns and
// classes to REST resources, month and period arithmetic, tolerant conversions of typed texts,
// amounts, name clean-up and worker threads. Every conversion uses the fixed pt-BR settings.
class TUtils final
{
public:
    TUtils() = delete;

    // --- Name rules -------------------------------------------------------------------------

    // A property name to its column in lower snake form: "_" before every later capital A-Z
    // ("AtualizarVinculacaoAPI" gives "atualizar_vinculacao_a_p_i"). Tables declare the column
    // in upper case; the comparison ignores letter case.
    static QString convertClassPropToTableField(const QString &Value);
    // A column name back to a property name: quotes dropped, "_" removed and the letter after it
    // upper-cased, every other letter lower-cased ("ID_PESSOA" gives "IdPessoa").
    static QString convertTableFieldToClassProp(const QString &Value);
    // A class name, already stripped of its prefix and suffix, to a resource path segment in
    // lower kebab form ("UnidadeFederativa" gives "unidade-federativa").
    static QString convertNameToResource(const QString &Value);
    // Reading a record into an object: the column reaches the property whose name equals the
    // column's with every "_" and double quote removed, letter case aside ("IDPESSOA" and
    // "ID_PESSOA" both reach IdPessoa). The column name is trimmed first.
    static bool columnMatchesProperty(const QString &AColumn, const QString &AProperty);
    // Writing an object into a table: the property reaches only the column named by its exact
    // snake form, letter case aside ("ID_PESSOA" but not "IDPESSOA").
    static bool propertyMatchesColumn(const QString &AProperty, const QString &AColumn);

    // The copying between objects and in-memory table records, built on the rules above, and
    // the freeing of owned list items live here as well, beside the in-memory table.

    // --- Dates --------------------------------------------------------------------------------

    // The date moved by a period code: "01" a day, "02" a week, "03" one month, "04" two,
    // "05" three, "06" six, "07" twelve months; 0 (no date) for any other code.
    static TDateTime CaclularDataPorPeriodo(TDateTime AData, const QString &ATipoPeriodo);
    // Whole months between the two dates' months; a start of 0 means now, a final date of 0
    // gives 0. Never raises.
    static int CalcularMesesEntreDatas(TDateTime ADataInicial, TDateTime ADataFinal);
    // Both at 00:00.
    static TDateTime PrimeiroDiaMes(TDateTime AData);
    static TDateTime UltimoDiaMes(TDateTime AData);
    // The same day number a month earlier, at 00:00; EConvertError when that month has no
    // such day (31/03 has no 31/02).
    static TDateTime DataMesAnterior(TDateTime AData);
    // Every day of AData's month on weekday ADayWeek (1 Sunday … 7 Saturday), "dd/mm/yyyy".
    static QStringList ListDayOfWeek(TDateTime AData, int ADayWeek);

    // --- Tolerant conversions: an empty or unreadable text gives 0, nothing raises -----------

    static TDateTime StrEmptyToDateTime(const QString &Value);
    // Every "." is dropped first (thousands points of a typed amount).
    static double StrEmptyToFloat(const QString &Value);
    // Read trimmed of blanks.
    static std::int64_t StrEmptyToInt64(const QString &Value);
    // Read unchanged.
    static int StrEmptyToInteger(const QString &Value);
    // Every "-" becomes "/".
    static QString StrDateJsonToStrDate(const QString &Value);

    // --- Numbers ------------------------------------------------------------------------------

    // Rounded to Decimals places, ties to the even neighbour; EInvalidArgument outside -20..20.
    static double FormatDouble(double Value, int Decimals);
    // Equal at Decimals places, one unit in the last place counting as equal.
    static bool CompareDoubleTo(double Value1, double Value2, int Decimals);
    // Characters after the decimal separator of the general 15-digit text.
    static int ContarCasasDecimais(double AValor);
    // The amount in Portuguese words ("Vinte e Um Reais, e Trinta e Cinco Centavos."); the empty
    // text for 0; Exception for a value below 0 or above 999999.99.
    static QString ValorExtenso(double Valor);
    static bool IsUserAdministrator(std::int64_t AUserLogin);
    template<typename T>
    static T IIF(bool ACondition, const T &AValueThenTrue, const T &AValueThenFalse)
    {
        return ACondition ? AValueThenTrue : AValueThenFalse;
    }

    // --- Texts --------------------------------------------------------------------------------

    // Blank runs become one blank, trailing blanks go, leading blanks leave exactly one.
    static QString RemoveDupeSpace(const QString &AText);
    // RemoveDupeSpace, then accented Latin letters lose their marks (ç c, Ã A).
    static QString RemoveDupeSpaceAndAccent(const QString &AText);
    // Shortens a name to ASize characters by turning middle words into initials from the back
    // (and dropping prepositions when asked, or when nothing else is left to shorten). Returns
    // the shortest text it can reach when no more words can be shortened.
    static QString ResumeName(const QString &AName, bool IsIgnoredProposition, int ASize);
    // The first ASize pieces between blanks (empty pieces count); all of them for ASize <= 0 or
    // more than there are. AIsResumeName changes nothing.
    static QString
    RetornaDescricaoSeparadaPorEspaco(const QString &AText, int ASize, bool AIsResumeName);
    // Filter texts "value#description": the parts, or the empty text unless both are there.
    static QString GetValueFieldFilter(const QString &Value);
    // With AIsDate a "mm-dd-yyyy" description comes back "dd/mm/yyyy" (EConvertError when it
    // is no date).
    static QString GetDescriptionFieldFilter(const QString &Value, bool AIsDate);

    // --- Lists --------------------------------------------------------------------------------

    static QString convertIntListToStr(const QList<std::int64_t> &AList);
    // The lines joined by ",".
    static QString convertStringListToInt(const QStringList &AList);
    // The lines quoted ('a''b') and joined by ",".
    static QString convertStringListToStr(const QStringList &AList);
    static QList<std::int64_t> convertStringListToIntList(const QStringList &AList);

    // --- Credentials, configuration, pictures -------------------------------------------------

    // "Basic <base64 of login:senha>" (the "basic " in any case); EListError without ":".
    static TUserLogin AuthLoginToUserLogin(const QString &AAuthentication);
    static QString getLinkServidor();
    // The value of a key in an INI file, sections and keys matched without regard to case; the
    // empty text when the file, the section or the key is missing.
    static QString RetornaValorParamsIniFile(const QString &AFileIni,
                                             const QString &ASection,
                                             const QString &AParam);
    // Scales the picture down, both sides by the ratio ASizeKB / its size in KB as PNG, when it
    // is larger than ASizeKB. A picture under 1 KB or a target of 0 or less leaves it as it is.
    static QImage &GetImageResizeAndCompress(QImage &AImage, int ASizeKB);
    // A value as an SQL literal, chosen by the upper-cased name of its declared type ("INTEGER",
    // "INT64", "DOUBLE", "FLOAT", "EXTEND", "TDATETIME", anything else a text); "null" for zero
    // or an empty text unless AForceZeroOrEmpty. A date-time value is its day count.
    static QString
    getValueStringProp(const QString &ATypeName, const QVariant &AValue, bool AForceZeroOrEmpty);

    // --- Worker threads -----------------------------------------------------------------------

    // Runs AOnProcess on a new worker thread; AOnStart, AOnError, AOnComplete and the
    // termination handler run on the main thread, the worker waiting for each. Order: start,
    // work, error (only after a failure of start or work), completion (always, told whether the
    // error step ran), termination. Any procedure may be empty. The error step receives
    // AMessageErrorDefault when not empty, else the failure's message. A failure of the error
    // or completion step, a failure of start or work with no error procedure, and any
    // non-standard exception become the thread's fatal failure: AOnTerminateThread receives it
    // through the sender; without a termination handler it goes to the thread failure handler.
    // Returns at once; does nothing after ShutdownThreads.
    static void CustomThread(TProc AOnStart,
                             TProc AOnProcess,
                             TProcWithError AOnComplete,
                             TNotifyEvent AOnTerminateThread,
                             TProcedureExcept AOnError,
                             const QString &AMessageErrorDefault = QString());
    // Installs the process-wide handler of fatal worker failures; an empty one restores the
    // default, which logs the message with qWarning.
    static void SetThreadFailureHandler(TThreadFailureHandler AHandler);
    // Refuses new workers, drops their pending main-thread steps (a worker then ends without
    // them) and waits up to ATimeoutMs for running workers; true when none is left. Called on
    // the main thread; runs by itself when the application's event loop quits.
    static bool ShutdownThreads(int ATimeoutMs = 5000);
    // Workers started and not yet ended.
    static int RunningThreadCount();
    // Accepts new workers again after ShutdownThreads (tests).
    static void AcceptThreads();
};
