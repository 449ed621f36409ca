#pragma once

#include "Common.Base.Serialize.h"
#include "JsonValue.h"

#include <QByteArray>
#include <QString>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

class TJsonWriter;

// The conversions between wire objects and JSON, by the one mapping rule the back end expects:
// members in field order (own class first, then each base; nameClass last), names with a lower
// first letter, numbers in the general 15-digit form, dates "yyyy-mm-ddThh:nn:ss.zzzZ" with the
// clock time unchanged, a missing object null, a list {"listHelper":[...]}. Reading matches
// members to fields without regard to case, ignores unknown members, keeps fields without a
// member, empties fields given null and builds nested objects and lists anew. Every returned
// object and list is new and the caller's. No state: any thread may convert.
//
// "A null result" of the Part is a null QString here (QString::isNull), which reads as the empty
// text where a body text is wanted.
class TDravikJson
{
public:
    // "ERROR:Estrutura do JSON não obedece os requisitos."
    static const QString &StructureErrorText();

    // Object to JSON text; null for a missing object.
    static QString ObjectToJson(const TSerializeObject *object);
    static QString ObjectToJson(const TSerializeObject &object) { return ObjectToJson(&object); }
    // The same as UTF-8, as it goes on the wire.
    static std::string ObjectToJsonUtf8(const TSerializeObject &object);
    template<class T>
    static QString ObjectToJsonObject(const T *object)
    {
        return ObjectToJson(static_cast<const TSerializeObject *>(object));
    }
    // Writes the object into a writer, for callers composing larger texts.
    static void WriteObject(TJsonWriter &writer, const TSerializeObject &object);

    // {"listHelper":[ids]}; null when the list is missing or empty.
    static QString ListInt64ToJson(const TListInt64 *list);
    static QString ListInt64ToJson(const TListInt64 &list) { return ListInt64ToJson(&list); }
    // {"listHelper":[objects]}; null when the list is missing or empty.
    template<class T>
    static QString ListToJson(const TObjectList<T> *list)
    {
        if (!list)
            return QString();
        std::vector<const TSerializeObject *> items;
        items.reserve(list->size());
        for (const auto &item : *list)
            items.push_back(item.get());
        return ObjectsToJson(items);
    }
    template<class T>
    static QString ListToJson(const TObjectList<T> &list)
    {
        return ListToJson(&list);
    }
    static QString ObjectsToJson(const std::vector<const TSerializeObject *> &items);
    static std::string ObjectsToJsonUtf8(const std::vector<const TSerializeObject *> &items);

    // Strips every "{\"listHelper\":[" and "]}", splits the rest at "," and reads each piece as a
    // 64-bit integer (EConvertError for a piece that is not one).
    static TListInt64 ListJsonInt64ToList(const QString &text);

    // The text parsed as JSON; a missing value when it is not valid JSON.
    static TJsonValue JsonStringToJson(const QString &text) { return TJsonValue::Parse(text); }

    // A new T filled from a JSON object. A missing value, and any value that is not an object,
    // raises the structure error ("ERROR:Estrutura do JSON não obedece os requisitos.");
    // a member that cannot go into its field raises EConvertError.
    template<class T>
    static std::unique_ptr<T> JsonToObject(const TJsonValue &json)
    {
        return downcast<T>(JsonToObject(T::StaticClassInfo(), json));
    }
    // The same from text (UTF-8 bytes or text); text that is not JSON is a missing value.
    template<class T>
    static std::unique_ptr<T> JsonToObject(const QByteArray &utf8)
    {
        return downcast<T>(JsonTextToObject(T::StaticClassInfo(), toView(utf8)));
    }
    template<class T>
    static std::unique_ptr<T> JsonToObject(const QString &text)
    {
        return JsonToObject<T>(text.toUtf8());
    }

    // A new list of new T from a JSON array, in order. A missing value, a value that is not an
    // array and an element that is not an object raise the structure error; an empty array
    // gives an empty list.
    template<class T>
    static TObjectList<T> JsonToList(const TJsonValue &array)
    {
        return downcastList<T>(JsonToList(T::StaticClassInfo(), array));
    }
    // The same from a list object {"listHelper":[...]} (a reply or the company list): the
    // structure error when it is not an object holding a "listHelper" array.
    template<class T>
    static TObjectList<T> JsonListObjectToList(const TJsonValue &listObject)
    {
        return downcastList<T>(JsonListObjectToList(T::StaticClassInfo(), listObject));
    }
    template<class T>
    static TObjectList<T> JsonListObjectToList(const QByteArray &utf8)
    {
        return downcastList<T>(JsonListTextToList(T::StaticClassInfo(), toView(utf8)));
    }

    // The untyped forms behind the templates.
    static std::unique_ptr<TSerializeObject> JsonToObject(const TClassInfo &info,
                                                          const TJsonValue &json);
    static std::unique_ptr<TSerializeObject> JsonTextToObject(const TClassInfo &info,
                                                              std::string_view utf8);
    static std::vector<std::unique_ptr<TSerializeObject>> JsonToList(const TClassInfo &info,
                                                                     const TJsonValue &array);
    static std::vector<std::unique_ptr<TSerializeObject>>
    JsonListObjectToList(const TClassInfo &info, const TJsonValue &listObject);
    static std::vector<std::unique_ptr<TSerializeObject>> JsonListTextToList(const TClassInfo &info,
                                                                             std::string_view utf8);

    // Reads a JSON object into an existing object (the structure error for anything else).
    static void ReadObject(const TJsonValue &json, TSerializeObject &target);
    // SetAsJson: text that is not JSON, null and arrays change nothing; another value that is
    // not an object raises EConvertError "The input value is not a valid Object".
    static void JsonStringToObject(const QString &text, TSerializeObject &target);

    // The JSON text re-indented (see TSerializeObject::PrettyPrintJSON).
    static QString PrettyPrintJSON(const QString &json);

private:
    static std::string_view toView(const QByteArray &bytes)
    {
        return std::string_view(bytes.constData(), std::size_t(bytes.size()));
    }
    template<class T>
    static std::unique_ptr<T> downcast(std::unique_ptr<TSerializeObject> object)
    {
        return std::unique_ptr<T>(static_cast<T *>(object.release()));
    }
    template<class T>
    static TObjectList<T> downcastList(std::vector<std::unique_ptr<TSerializeObject>> items)
    {
        TObjectList<T> list;
        list.reserve(items.size());
        for (auto &item : items)
            list.emplace_back(static_cast<T *>(item.release()));
        return list;
    }
};
