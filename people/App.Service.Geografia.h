#pragma once

#include "App.Base.Service.h"

#include <memory>

// The reading the geography services share: GET on a path of the service's resource (paged, page
// 1 of 100, no body), with the key as "search" when it is not empty, and the reply as a new
// record of the class, read by the base service (readReplyObject): a reply that fails raises the
// message it carries (the back end's plain-text warning when nothing matches); a JSON object is
// converted whatever its id, so a record with id 0 comes back as it is.
std::unique_ptr<TSerializeObject> findGeografia(TBaseService &AService,
                                                const TClassInfo &AClass,
                                                const QString &APath,
                                                const QString &ASearch);

template<class T>
std::unique_ptr<T>
findGeografia(TBaseService &AService, const QString &APath, const QString &ASearch)
{
    return std::unique_ptr<T>(
        static_cast<T *>(findGeografia(AService, T::StaticClassInfo(), APath, ASearch).release()));
}
