#pragma once

#include "App.Base.Adapter.Cadastro.h"

#include "DateTime.h"

#include <cstdint>
#include <memory>

class TCheckBox;
class TDateEdit;
class TEdit;
class TManagerControl;
class TItemControl;

// A row of a check-list of member-plan links (the members of a plan, or the plans of a member):
// ticked, the link is on and its dates and end reason can be typed; unticked, they are cleared
// and disabled and the stripe takes the expense colour. Every change of the box, by the user or
// by code, calls ProcSelectParcela with the row, unless NaoVerificarSelecao was set for that one
// change. The row has no edit, remove or view buttons; its tag holds the link's id.
class TPlanoDependenteContratoFrameAdapter final : public TFrameBaseAdapterCadastro
{
    Q_OBJECT

public:
    static constexpr TAlphaColor AtivoColor = 0xFF708090;

    explicit TPlanoDependenteContratoFrameAdapter(QWidget *AOwner = nullptr,
                                                  const QString &name = {});
    ~TPlanoDependenteContratoFrameAdapter() override;

    TLabel *LabelDescricao;
    TCheckBox *CheckBoxIsAtivo;
    TLabel *LabelDataInicial;
    TDateEdit *DateEditDataInicial;
    TLabel *LabelDataFinal;
    TDateEdit *DateEditDataFinal;
    TLabel *LabelMotivo;
    TEdit *EditMotivo;

    TProcFrame ProcSelectParcela;
    TDateTime PrimeiroVencimento;
    std::int64_t IdPessoa = 0;
    std::int64_t IdPlano = 0;
    // Set before a change that must not reach ProcSelectParcela; the next change clears it.
    bool NaoVerificarSelecao = false;

    // The row's own bindings of its date and reason controls.
    TManagerControl &ManagerControls() const { return *m_managerControls; }
    TItemControl *FindItemControl(const QString &AComponentName) const;

private:
    void CheckBoxIsAtivoChange();

    std::unique_ptr<TManagerControl> m_managerControls;
};
