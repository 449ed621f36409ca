#include "App.Form.SubCadastro.ParcelaTitulo.h"

#include "App.Adapter.Frame.ParcelaTitulo.h"
#include "App.Lib.ManagerControls.h"
#include "App.Lib.Placement.h"
#include "App.Presenter.ParcelaTitulo.h"

#include "DateEdit.h"
#include "DateTime.h"
#include "Edit.h"
#include "FormatSettings.h"
#include "ScrollBox.h"

TFormSubCadastroParcelaTitulo::TFormSubCadastroParcelaTitulo(QWidget *AParent)
    : TFormBaseSubCadastroTitulo(QStringLiteral("TFormSubCadastroParcelaTitulo"), AParent)
{
    setWindowTitle(QStringLiteral("Parcelas"));
    const TPlacement place(VertScrollBoxControls->content(), 18, 30);
    place.Field(LabelVencimento, DateEditVencimento, u"Vencimento", 8, 8, 160);
    place.Field(LabelValor, EditValor, u"Valor", 180, 8, 180);
    place.Field(LabelCodigoBarras, EditCodigoBarras, u"CodigoBarras", 8, 66, 352);
    place.Field(LabelNumeroDocumento, EditNumeroDocumento, u"NumeroDocumento", 8, 124, 352);
}

double TFormSubCadastroParcelaTitulo::findValorInDataSet()
{
    return static_cast<TParcelaTituloPresenter *>(FPresenter.get())->findValorInDataSet();
}

void TFormSubCadastroParcelaTitulo::SetInfoPresenter()
{
    SetPresenter(TBasePresenter::Create<TParcelaTituloPresenter>());
    TFormBaseSubCadastroTitulo::SetInfoPresenter();
}

void TFormSubCadastroParcelaTitulo::fillListControl()
{
    TFormBaseSubCadastroTitulo::fillListControl();
    TManagerControl &manager = FPresenter->ManagerControls();
    manager.Bind(DateEditVencimento, QStringLiteral("Vencimento"))
        .Required()
        .MaxLength(10)
        .Default(DateToStr(Date()))
        .Caption(LabelVencimento);
    bindValor();
    manager.Bind(EditCodigoBarras, QStringLiteral("Código de Barras"))
        .Upper()
        .MaxLength(50)
        .Caption(LabelCodigoBarras);
    manager.Bind(EditNumeroDocumento, QStringLiteral("Número Documento"))
        .Upper()
        .MaxLength(30)
        .Caption(LabelNumeroDocumento);
}

void TFormSubCadastroParcelaTitulo::fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame)
{
    AFrame = TFrameBaseAdapter::New<TParcelaTituloFrameAdapter>(VertScrollBoxDados, ADataSet);
    TFormBaseSubCadastroTitulo::fillFrameItem(ADataSet, AFrame);
}

void TFormSubCadastroParcelaTitulo::afterFormCreate()
{
    TFormBaseSubCadastroTitulo::afterFormCreate();
    SetControlFocus(DateEditVencimento);
}
