#pragma once

#include "App.Base.Adapter.Cadastro.h"

#include <cstdint>

// A row of a user's profile list: the profile and the company it is held in. A link not saved
// yet has a red status strip. Only the remove button is shown.
class TUsuarioEmpresaPerfilPermissaoFrameAdapter final : public TFrameBaseAdapterCadastro
{
    Q_OBJECT

public:
    explicit TUsuarioEmpresaPerfilPermissaoFrameAdapter(QWidget *AOwner = nullptr,
                                                        const QString &name = {});

    TLabel *LabelPerfilPermissao;
    TLabel *LabelTitleEmpresa;
    TLabel *LabelEmpresa;

    // The row's profile.
    std::int64_t IdPerfilPermissao = 0;

protected:
    void fillRow(const TMemTable &ADataSet) override;
};
