#pragma once

#include "App.Base.Adapter.Cadastro.h"

// A row of the waiting-period rule list: the rule's description and its type (code and
// description), with the registration row's edit, remove and view buttons.
class TCarenciaFrameAdapter final : public TFrameBaseAdapterCadastro
{
    Q_OBJECT

public:
    explicit TCarenciaFrameAdapter(QWidget *AOwner = nullptr, const QString &name = {});

    TLabel *LabelDescricao;
    TLabel *LabelTitleCodigoTipo;
    TLabel *LabelCodigoTipo;
    TLabel *LabelTipo;

protected:
    // The type's description follows its code, however long the code.
    void fillRow(const TMemTable &ADataSet) override;
};
