#pragma once

#include "App.Base.Adapter.Cadastro.h"

#include <cstdint>

class TCheckBox;

// A row of a user's company list: the company and whether the user may enter it ("Ativo"). A
// company not linked yet has a red status strip. Only the remove button is shown.
class TUsuarioEmpresaFrameAdapter final : public TFrameBaseAdapterCadastro
{
    Q_OBJECT

public:
    explicit TUsuarioEmpresaFrameAdapter(QWidget *AOwner = nullptr, const QString &name = {});

    TLabel *LabelEmpresa;
    TCheckBox *CheckBoxAtivo;

    // The row's company.
    std::int64_t IdEmpresa = 0;
    // Runs when the person ticks or unticks "Ativo"; filling the row runs nothing.
    TProcFrame ProcCheckboxClick;

    void CheckBoxAtivoChange();

protected:
    void fillRow(const TMemTable &ADataSet) override;
};
