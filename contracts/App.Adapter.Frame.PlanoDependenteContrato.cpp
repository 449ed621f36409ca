#include "App.Adapter.Frame.PlanoDependenteContrato.h"

#include "App.Lib.Application.h"
#include "App.Lib.ItemControl.h"
#include "App.Lib.ManagerControls.h"
#include "App.Lib.Theme.h"

#include "CheckBox.h"
#include "DateEdit.h"
#include "Edit.h"
#include "Events.h"
#include "Label.h"
#include "Shapes.h"

#include <utility>

TPlanoDependenteContratoFrameAdapter::TPlanoDependenteContratoFrameAdapter(QWidget *AOwner,
                                                                           const QString &name)
    : TFrameBaseAdapterCadastro(AOwner, name)
    , m_managerControls(std::make_unique<TManagerControl>())
{
    LayoutButtons->setVisible(false);
    LabelDescricao = AddLabel(QStringLiteral("LabelDescricao"), QString(), 184, 8);
    CheckBoxIsAtivo = new TCheckBox(LayoutBackground, QStringLiteral("CheckBoxIsAtivo"));
    CheckBoxIsAtivo->setPosition(150, 8);
    CheckBoxIsAtivo->setSize(24, 19);
    LabelDataInicial = AddLabel(QStringLiteral("LabelDataInicial"), QString(), 184, 36);
    DateEditDataInicial = new TDateEdit(LayoutBackground, QStringLiteral("DateEditDataInicial"));
    DateEditDataInicial->setPosition(184, 54);
    DateEditDataInicial->setSize(120, 26);
    LabelDataFinal = AddLabel(QStringLiteral("LabelDataFinal"), QString(), 316, 36);
    DateEditDataFinal = new TDateEdit(LayoutBackground, QStringLiteral("DateEditDataFinal"));
    DateEditDataFinal->setPosition(316, 54);
    DateEditDataFinal->setSize(120, 26);
    LabelMotivo = AddLabel(QStringLiteral("LabelMotivo"), QString(), 448, 36);
    EditMotivo = new TEdit(LayoutBackground, QStringLiteral("EditMotivo"));
    EditMotivo->setPosition(448, 54);
    EditMotivo->setSize(260, 26);
    setSize(width(), 90);
    SetupLabels();
    // The labels took their places for the screen: the box goes before the description and
    // each control under its caption.
    CheckBoxIsAtivo->setPosition(LabelDescricao->x(), LabelDescricao->y());
    LabelDescricao->setPositionX(LabelDescricao->x() + 28);
    LabelDescricao->setSize(420, LabelDescricao->height());
    const int left = CheckBoxIsAtivo->x();
    const int captionY = LabelDataInicial->y();
    int x = left;
    for (auto [caption, control] :
         { std::pair<TLabel *, QWidget *> { LabelDataInicial, DateEditDataInicial },
           { LabelDataFinal, DateEditDataFinal },
           { LabelMotivo, EditMotivo } }) {
        caption->move(x, captionY);
        control->move(x, captionY + caption->height() + 2);
        x += control->width() + 12;
    }

    m_managerControls->SetProcFillListControl([this] {
        TManagerControl &manager = *m_managerControls;
        manager.Bind(CheckBoxIsAtivo, QString()).Default(QStringLiteral("TRUE"));
        manager.Bind(DateEditDataInicial, QStringLiteral("Data Inicial"))
            .MaxLength(10)
            .Caption(LabelDataInicial);
        manager.Bind(DateEditDataFinal, QStringLiteral("Data Final"))
            .MaxLength(10)
            .Caption(LabelDataFinal);
        manager.Bind(EditMotivo, QStringLiteral("Motivo do Encerramento"))
            .Lookup(QStringLiteral("TPesquisaMotivo"), QStringLiteral("09"))
            .Upper()
            .MaxLength(100)
            .Caption(LabelMotivo);
    });
    // Every change, also one made by code, goes through the check handler.
    connect(CheckBoxIsAtivo, &QCheckBox::toggled, this, [this] {
        RunGuarded([this] { CheckBoxIsAtivoChange(); });
    });
    m_managerControls->Clear();
    CheckBoxIsAtivoChange();
}

TPlanoDependenteContratoFrameAdapter::~TPlanoDependenteContratoFrameAdapter() = default;

TItemControl *
TPlanoDependenteContratoFrameAdapter::FindItemControl(const QString &AComponentName) const
{
    return m_managerControls->FindItemControl(AComponentName);
}

void TPlanoDependenteContratoFrameAdapter::CheckBoxIsAtivoChange()
{
    const bool ativo = CheckBoxIsAtivo->isChecked();
    RectangleColorStatus->setFillColor(
        ativo ? AtivoColor
              : TApplicationZunta::GetInstance().ThemeApp().ColorFinanceiro().TipoDespesa);
    for (const char *name : { "DateEditDataInicial", "DateEditDataFinal", "EditMotivo" }) {
        TItemControl *item = FindItemControl(QLatin1String(name));
        if (!ativo)
            item->Clear();
        item->Control()->setEnabled(ativo);
    }
    if (!NaoVerificarSelecao && ProcSelectParcela)
        ProcSelectParcela(this);
    NaoVerificarSelecao = false;
}
