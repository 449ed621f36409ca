#pragma once

#include "Common.Base.ClassInfo.h"
#include "Common.Base.Types.h"
#include "DateTime.h"

#include <QString>

#include <boost/describe/class.hpp>
#include <boost/describe/enum.hpp>

// The root of the platform's persistent classes in the original; here only the common base of
// the wire classes, kept so that the class tree reads as the system's.
class TArrayMapper
{
public:
    TArrayMapper() = default;
    TArrayMapper(const TArrayMapper &) = default;
    TArrayMapper &operator=(const TArrayMapper &) = default;
    virtual ~TArrayMapper();
};

// Root of every object that crosses the wire: list rows, request bodies, filters, aggregate
// bodies and payloads. A descendant declares its members as public data members named as the
// properties, ZUNTA_CLASS inside the class, a BOOST_DESCRIBE_STRUCT line after it and
// ZUNTA_DEFINE_CLASS in its .cpp; JSON, table copying and binding then work from the
// description (Common.Base.ClassInfo.h). Dates are written ISO 8601 with the clock time as it is.
class TSerializeObject : public TArrayMapper
{
public:
    TSerializeObject() = default;
    TSerializeObject(const TSerializeObject &) = default;
    TSerializeObject &operator=(const TSerializeObject &) = default;
    ~TSerializeObject() override;

    static const TClassInfo &StaticClassInfo();
    // The description of the object's own class.
    virtual const TClassInfo &ClassInfo() const;

    // The object as JSON text by the mapping rule.
    QString AsJson() const;
    QString GetAsJson() const { return AsJson(); }
    // Loads JSON text into this object: invalid JSON and JSON null change nothing, an array
    // changes nothing, any other value that is not an object raises EConvertError.
    void SetAsJson(const QString &json);
    QString ToString() const { return AsJson(); }

    // The object's class name, unless a reply read into the object carried another nameClass.
    QString NameClass() const;
    // Ignores the value: the field takes the class name again.
    void SetNameClass(const QString &ignored);

    // The JSON text re-indented; the empty text when it is not valid JSON.
    static QString PrettyPrintJSON(const QString &json);

private:
    friend struct TSerializeObjectAccess;

    // Null until a reply sets it: until then the class name stands in, which the constructor
    // cannot know yet.
    QString FNameClass;
    bool m_hasNameClass = false;
};
