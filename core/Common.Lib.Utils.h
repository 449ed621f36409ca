#pragma once

#include "Common.Base.Types.h"
#include "DateTime.h"
#include "MemTable.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

class QImage;
class TClassInfo;
class TMemberInfo;
class TSerializeObject;

// The user name and password carried by a Basic authentication header.
struct TUserLogin
{
    QString login;
    QString senha;
};

class TWorkerThread;

// A text list whose lines carry objects it owns (the rows a combo box holds), as FreeStringList
// empties it.
template<class T>
using TStringObjectList = std::vector<std::pair<QString, std::unique_ptr<T>>>;

// The steps of a worker thread (see TUtils::CustomThread).
using TProc = std::function<void()>;
// Completion step: told true exactly when the error step ran.
using TProcWithError = std::function<void(bool)>;
// Error step: the message to show.
using TProcedureExcept = std::function<void(const QString &)>;
// Termination handler: runs on the main thread with the thread that has just ended.
using TThreadNotifyEvent = std::function<void(const TWorkerThread &sender)>;
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
// classes to REST resources, the copying between objects and table records, the freeing of owned
// items, month and period arithmetic, tolerant conversions of typed texts, amounts, name clean-up
// and worker threads. Every conversion uses the fixed pt-BR settings.
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

    // --- Copying between objects and table records -------------------------------------------
    //
    // Columns and properties are paired by the two rules above. The copying owns and frees
    // nothing of what it is given. To copy many rows, build a TObjectToRecordMap or
    // TRecordToObjectMap once and use it per row: these routines pair names on every call.

    // A property's value in its text form: whole numbers in decimal, floating numbers in the
    // general regional form, date-times by DateTimeToStr, booleans "True"/"False", texts as
    // they are.
    static QString getPropertyText(const TSerializeObject &AObject, const TMemberInfo &AProperty);

    // Fills the object from the table's current record: every column, in column order, that
    // reaches a property by the reading rule, converted as setValueToPropertyObject does; a
    // picture property (TSString) receives the column's text encoded as Base64 (CR LF after
    // every 76 characters), so a picture written into a column and read back comes out encoded
    // once more. Object properties have no columns. The cursor does not move. A value that
    // cannot be stored raises and leaves the columns after it uncopied.
    static void fillDataSetToObject(const TMemTable &ADataSet, TSerializeObject &AObject);
    // Stores a table value into the property, by the upper-cased name of its type: dates
    // ("TDATETIME", "TIMESTAMP", "TTIME", "TDATE") read from the value's text with the pt-BR
    // settings, else by position as "yyyy-mm-ddThh:nn:ss", else the raw value; "DOUBLE",
    // "FLOAT", "EXTEND" and "INT64" read from the value's text (EConvertError when it is no
    // number); "INTEGER" and "BOOLEAN" take the raw value; any other type the value's text
    // trimmed of blanks and control characters. Null stores 0, false or the empty text. A raw
    // value the property cannot take, or a read-only property, raises EInvalidCast.
    static void setValueToPropertyObject(TSerializeObject &AObject,
                                         const TMemberInfo &AProperty,
                                         const TFieldValue &Value);
    // Writes the property's value into the column as its text form (integers in decimal,
    // floating values in the general form with 15 significant digits, dates as the short date
    // followed by the long time unless at midnight, "True" or "False", texts unchanged); the
    // column converts the text to its type, so the same settings read it back. The table is in
    // edit or insert mode; nothing is appended or posted. Object properties write nothing.
    static void setValuePropertyToDataSet(const TSerializeObject &AObject,
                                          const TMemberInfo &AProperty,
                                          TField &AField);
    // As above with the property the column reaches by the reading rule; nothing when none.
    static void setValuePropertyToDataSet(const TSerializeObject &AObject, TField &AField);
    // Copies every property of the destination's class that the source's class also has (by
    // name, letter case aside) and that is no object, unconverted, in the destination's property
    // order. So the destination's AsJson receives the source's whole JSON, which also fills the
    // child lists both classes share, and NameClass stays the destination's class name. Nothing
    // when either is null.
    static void CopyInfoObject(const TSerializeObject *ASource, TSerializeObject *ADest);
    // Appends to ADest a copy of ASource's current record and posts it: every column but the one
    // named exactly "ID_REGISTRO" goes unconverted into ADest's column of the same name, so
    // ADest's own ID_REGISTRO is kept. A column ADest lacks (EDatabaseError) or a value it
    // cannot take raises after cancelling the append, so no half-copied record is posted later.
    static void CopyInfoItemDataSet(const TMemTable &ASource, TMemTable &ADest);
    // Gives ADest the columns of ASource (name, type, size and visibility) and opens it. With
    // ACopyInfo ADest is emptied and every record ASource shows is copied by CopyInfoItemDataSet;
    // ASource is left after its last record.
    static void CloneDataSet(TMemTable &ASource, TMemTable &ADest, bool ACopyInfo);

    // --- Freeing owned items; the containers themselves stay and a null one is no error -------

    // Frees and removes the items from AIndex on (a negative index counts as 0); the items
    // before AIndex stay.
    template<class T>
    static void FreeListItems(TObjectList<T> *AList, int AIndex)
    {
        if (!AList)
            return;
        const std::size_t first = std::size_t(std::max(AIndex, 0));
        if (AList->size() <= first)
            return;
        for (std::size_t i = first; i < AList->size(); ++i)
            (*AList)[i].reset();
        AList->erase(AList->begin() + std::ptrdiff_t(first), AList->end());
    }
    // Frees every value and removes every key (std::map or std::unordered_map by text).
    template<class T, template<class...> class TDictionary, class... TRest>
    static void FreeDictionaryItems(TDictionary<QString, std::unique_ptr<T>, TRest...> *ADictionary)
    {
        if (!ADictionary)
            return;
        while (!ADictionary->empty())
            ADictionary->erase(ADictionary->begin());
    }
    // Frees the object of each line and removes the lines, first to last.
    template<class T>
    static void FreeStringList(TStringObjectList<T> *AList)
    {
        if (!AList)
            return;
        for (auto &line : *AList)
            line.second.reset();
        AList->clear();
    }

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
    // The same for a property of an object, by the name of the property's type.
    static QString getValueStringProp(const TSerializeObject &AObject,
                                      const TMemberInfo &AProperty,
                                      bool AForceZeroOrEmpty);

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
                             TThreadNotifyEvent AOnTerminateThread,
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

// The properties of one class paired once with the columns of one table by the writing rule (a
// property reaches only the column named by its snake form), so that filling a table from a
// whole list does no name lookups per row: append, copyObject, post. Writes as
// TUtils::setValuePropertyToDataSet does, storing typed values where the text form would give
// the column the same value. Valid while the table keeps its columns.
class TObjectToRecordMap final
{
public:
    TObjectToRecordMap(const TClassInfo &AClass, const TMemTable &ATable);

    // Writes the paired properties of the object (of the map's class or a descendant) into the
    // table's record being edited or appended, in property order.
    void copyObject(const TSerializeObject &AObject) const;
    // How many properties are paired with a column.
    std::size_t count() const { return m_pairs.size(); }

    enum class TMode : std::uint8_t { Text, Integer, Float, Boolean, Date, String };
    struct TPair
    {
        const TMemberInfo *Property;
        TField *Field;
        TMode Mode;
    };

private:
    const TClassInfo *m_class;
    std::vector<TPair> m_pairs;
};

// The columns of one table paired once with the properties of one class by the reading rule (a
// column reaches the property named as the column without "_" and quotes, letter case aside),
// for reading many records into objects. Reads as TUtils::fillDataSetToObject does.
class TRecordToObjectMap final
{
public:
    TRecordToObjectMap(const TMemTable &ATable, const TClassInfo &AClass);

    // Fills the object (of the map's class or a descendant) from the table's current record, in
    // column order.
    void copyRecord(TSerializeObject &AObject) const;
    std::size_t count() const { return m_pairs.size(); }

    // How a value is stored, chosen once from the name of the property's type.
    enum class TRule : std::uint8_t { Date, Float, Int64, Integer, Boolean, Text, Picture };
    struct TPair
    {
        const TField *Field;
        const TMemberInfo *Property;
        TRule Rule;
    };

private:
    const TClassInfo *m_class;
    std::vector<TPair> m_pairs;
};
