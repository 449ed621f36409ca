#include "App.View.Sub.AlteracaoTituloCarteira.h"

#include "App.Lib.Exception.h"
#include "App.Lib.ItemControl.h"
#include "App.Lib.ManagerControls.h"
#include "App.Lib.Message.Form.h"
#include "App.Lib.Utils.h"
#include "App.Presenter.Carteira.h"
#include "Common.ComplexPost.AlteracaoTituloCarteira.h"

#include "Align.h"
#include "Edit.h"
#include "Label.h"
#include "Layouts.h"
#include "Shapes.h"
#include "SpeedButton.h"
#include "SysUtils.h"

#include <QPointer>

#include <algorithm>

ZUNTA_REGISTER_FORM(TFormSubViewAlteracaoTituloCarteira)

TFormSubViewAlteracaoTituloCarteira::TFormSubViewAlteracaoTituloCarteira(QWidget *AParent)
    : TFormBaseView(QStringLiteral("TFormSubViewAlteracaoTituloCarteira"), AParent)
{
    setWindowTitle(QStringLiteral("ALTERAÇÃO DE CARTEIRA"));
    resize(600, 220);

    LabelCarteira = new TLabel(LayoutControlsForm, QStringLiteral("LabelCarteira"));
    LabelCarteira->setAlign(TAlignLayout::Top);
    LabelCarteira->setHeight(24);
    LabelCarteira->setMargins(16, 16, 16, 0);
    LabelCarteira->setText(QStringLiteral("Nova Carteira"));

    EditCarteira = new TEdit(LayoutControlsForm, QStringLiteral("EditCarteira"));
    EditCarteira->setAlign(TAlignLayout::Top);
    EditCarteira->setHeight(32);
    EditCarteira->setMargins(16, 4, 16, 0);

    RectangleGravar = AddGravarButton(LabelGravar, [this] { RectangleGravarClick(); });
}

TFormSubViewAlteracaoTituloCarteira::~TFormSubViewAlteracaoTituloCarteira() = default;

void TFormSubViewAlteracaoTituloCarteira::FormCreate()
{
    TFormBaseView::FormCreate();
    FComplexPost = std::make_unique<TAlteracaoTituloCarteiraComplexPost>();
    FPresenter = TBasePresenter::Create<TCarteiraPresenter>();
    TManagerControl &manager = FPresenter->ManagerControls();
    manager.SetProcFillListControl([this, &manager] {
        manager.Bind(EditCarteira, QStringLiteral("Nova Carteira"))
            .Lookup(QStringLiteral("TPesquisaCarteira"))
            .MaxLength(100)
            .Upper()
            .Caption(LabelCarteira);
    });
}

void TFormSubViewAlteracaoTituloCarteira::ApplyThemeApp()
{
    TFormBaseView::ApplyThemeApp();
    AddPermissionMovimentar(RectangleGravar);
}

void TFormSubViewAlteracaoTituloCarteira::SetIdCarteira(std::int64_t AValue)
{
    FIdCarteira = AValue;
    if (TItemControl *item = FPresenter->FindItemControl(QStringLiteral("EditCarteira")))
        item->SetValueControl(QString::number(AValue));
}

void TFormSubViewAlteracaoTituloCarteira::addParcelaTitulo(std::int64_t AId)
{
    TListInt64 &titulos = *FComplexPost->ParcelaTitulos;
    if (std::find(titulos.begin(), titulos.end(), AId) == titulos.end())
        titulos.push_back(AId);
}

void TFormSubViewAlteracaoTituloCarteira::RectangleGravarClick()
{
    const TItemControl *carteira = FPresenter->FindItemControl(QStringLiteral("EditCarteira"));
    bool ok = false;
    const std::int64_t idCarteira = carteira ? carteira->ValueControl().toLongLong(&ok) : 0;
    // Without a portfolio the titles would be moved to none.
    if (!ok || idCarteira == 0)
        throw Exception(carteira ? carteira->ErrorMessage()
                                 : QStringLiteral("WARNING:O campo Nova Carteira não possui um "
                                                  "valor válido."));
    if (TAppUtils::MessageSystem(Format(QStringLiteral("QUESTION:Confirma gerar %s?"),
                                        { QStringLiteral("a atualização da carteira") }))
        != mrYes)
        return;
    FComplexPost->IdCarteira = idCarteira;

    // The worker reads only the body and the presenter, never the view's controls.
    TCarteiraPresenter *presenter = FPresenter.get();
    const TAlteracaoTituloCarteiraComplexPost *body = FComplexPost.get();
    const QPointer<TFormSubViewAlteracaoTituloCarteira> self(this);
    // A refusal is shown by the long action, and the view stays open with its body.
    RunLongAction([presenter, body] { presenter->AlteracaoTitulo(*body); },
                  [self] {
                      if (!self)
                          return;
                      TAppUtils::MessageSystem(
                          QStringLiteral("SUCCESSOperação realizada com sucesso."));
                      self->SpeedButtonClose->OnClick(self->SpeedButtonClose);
                  });
}
