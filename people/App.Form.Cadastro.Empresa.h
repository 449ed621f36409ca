#pragma once

#include "App.Base.Form.Cadastro.h"

class TColorButton;
class TColorPanel;
class TEdit;
class TImage;
class TLabel;
class TRectangle;
class TSpeedButton;
class TEmpresaPresenter;

// "CADASTRO DE EMPRESAS": lists the companies and edits their visual settings: the logo, the
// picture of the discount-card layout, the colour of the start screen and that of the upper and
// lower bars (each typed as six hexadecimal digits or picked). The company's person is shown
// and never changed here, and companies are not removed here. Saves with the plain POST.
class TFormCadastroEmpresa final : public TFormBaseCadastro
{
public:
    // The colour of a new record and of every colour text that is not one.
    static const QString CorPadrao;

    explicit TFormCadastroEmpresa(QWidget *AParent = nullptr);

    // The colour text as the colour edits keep it: without "#", the last six characters of a
    // longer text, upper case; CorPadrao when that is no colour.
    static QString NormalizarCor(const QString &AText);

    TLabel *LabelPessoa;
    TEdit *EditPessoa;
    TLabel *LabelLogo;
    TRectangle *RectangleLogo;
    TImage *ImageLogo;
    TSpeedButton *SpeedButtonRemoverLogo;
    TLabel *LabelLayoutCartaoDesconto;
    TRectangle *RectangleLayoutCartaoDesconto;
    TImage *ImageLayoutCartaoDesconto;
    TSpeedButton *SpeedButtonLayoutCartaoDesconto;
    TLabel *LabelCorTelaInicial;
    TEdit *EditCorTelaInicial;
    TColorPanel *ColorPanelCorTelaInicial;
    TColorButton *ColorButtonCorTelaInicial;
    TLabel *LabelCorBarra;
    TEdit *EditCorBarra;
    TColorPanel *ColorPanelCorBarra;
    TColorButton *ColorButtonCorBarra;

    void ImageLogoClick(QObject *Sender);
    void ImageLayoutCartaoDescontoClick(QObject *Sender);
    void SpeedButtonRemoverLogoClick(QObject *Sender);
    void SpeedButtonLayoutCartaoDescontoClick(QObject *Sender);
    void ColorPanelCorTelaInicialChange(QObject *Sender);
    void ColorPanelCorBarraChange(QObject *Sender);
    void EditCorTelaInicialChange(QObject *Sender);
    void EditCorBarraChange(QObject *Sender);

    void executeNovo(QObject *Sender) override;
    void afterFillForm() override;

protected:
    void SetInfoPresenter() override;
    void fillListControl() override;
    void fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame) override;
    void afterFormCreate() override;
    void afterClearForm() override;
    void afterSave() override;
    void beforeSave() override;

private:
    TEmpresaPresenter &presenter() const;
    // Both pictures and both held picture texts emptied.
    void limparImagens();
    // A chosen file into the picture; nothing when the person cancels.
    void escolherImagem(TImage *AImage);
    // The held text of a picture (its PNG, reduced to 500 KB); empty for an empty picture.
    static QString textoDaImagem(const TImage *AImage);
    // A held text into the picture; a text that is no picture leaves the picture as it was.
    static void mostrarImagem(TImage *AImage, const QString &AText);
    void normalizarCor(TEdit *AEdit,
                       TColorPanel *APanel,
                       TColorButton *ASample,
                       void (TFormCadastroEmpresa::*AHandler)(QObject *));
};
