#pragma once

#include <QString>

#include <memory>

class TSerializeObject;

// What the member contacts window asks of the access-token presenter (TTokenAcessoPresenter),
// which belongs to a later subsystem and is created by its class name: the member app's token
// record and a token for it. Both calls reach the back end and may run on a worker thread.
class ITokenAcessoPresenter
{
public:
    virtual ~ITokenAcessoPresenter() = default;

    // The member app's token record (a TTokenAcessoDto, read by property name: Id, IdUsuario,
    // Usuario, IsAppAssociado); null when the back end gave none.
    virtual std::unique_ptr<TSerializeObject> getAppAssociado() = 0;
    // A token for the record (a TTokenAcessoDto with IsAppAssociado set); empty when none.
    virtual QString getTokenUser(const TSerializeObject &ATokenAcesso) = 0;
};
