#include "App.Form.Cadastro.Empresa.h"

#include "App.Adapter.Frame.Empresa.h"
#include "App.Lib.ManagerControls.h"
#include "App.Lib.Placement.h"
#include "App.Lib.Theme.h"
#include "App.Presenter.Empresa.h"
#include "Common.Lib.PictureText.h"
#include "Common.Lib.Utils.h"

#include "ColorButton.h"
#include "ColorPanel.h"
#include "Desktop.h"
#include "Edit.h"
#include "Image.h"
#include "Label.h"
#include "ScrollBox.h"
#include "Shapes.h"
#include "SpeedButton.h"
#include "SysUtils.h"

#include <QBuffer>
#include <QImageReader>

ZUNTA_REGISTER_FORM(TFormCadastroEmpresa)

namespace {

// The size a picture is reduced to before it is sent.
constexpr int kImagemKB = 500;

} // namespace

const QString TFormCadastroEmpresa::CorPadrao = QStringLiteral("1D144B");

TFormCadastroEmpresa::TFormCadastroEmpresa(QWidget *AParent)
    : TFormBaseCadastro(QStringLiteral("TFormCadastroEmpresa"), AParent)
{
    setWindowTitle(QStringLiteral("CADASTRO DE EMPRESAS"));
    QWidget *content = VertScrollBoxControls->content();
    const TPlacement place(content, 18, 30);
    place.Field(LabelPessoa, EditPessoa, u"Pessoa", 8, 8, 569);

    auto picture = [this, &place, content](TLabel *&ACaption,
                                           TRectangle *&AFrame,
                                           TImage *&AImage,
                                           TSpeedButton *&ARemove,
                                           QStringView AName,
                                           QStringView ARemoveName,
                                           const QString &AText,
                                           int x) {
        ACaption = place.Caption(QStringLiteral("Label") + AName.toString(), x, 66, AText);
        AFrame = new TRectangle(content, QStringLiteral("Rectangle") + AName.toString());
        AFrame->setGeometry(x, 84, 240, 150);
        AFrame->setFillColor(TAlphaColors::White);
        AFrame->setStrokeColor(TAlphaColors::Silver);
        AImage = new TImage(AFrame, QStringLiteral("Image") + AName.toString());
        AImage->setAlign(TAlignLayout::Client);
        AImage->setMargins(4, 4, 4, 4);
        AImage->setCursor(Qt::PointingHandCursor);
        AImage->setToolTip(QStringLiteral("Clique para escolher a imagem"));
        ARemove = new TSpeedButton(content, QStringLiteral("SpeedButton") + ARemoveName.toString());
        ARemove->setStyleLookup(QStringLiteral("trashtoolbutton"));
        ARemove->setGeometry(x + 246, 84, 30, 30);
    };
    picture(LabelLogo,
            RectangleLogo,
            ImageLogo,
            SpeedButtonRemoverLogo,
            u"Logo",
            u"RemoverLogo",
            QStringLiteral("Logo"),
            8);
    picture(LabelLayoutCartaoDesconto,
            RectangleLayoutCartaoDesconto,
            ImageLayoutCartaoDesconto,
            SpeedButtonLayoutCartaoDesconto,
            u"LayoutCartaoDesconto",
            u"LayoutCartaoDesconto",
            QStringLiteral("Modelo de Layout de Cartão de Desconto"),
            300);

    auto colour = [&place, content](TLabel *&ACaption,
                                    TEdit *&AEdit,
                                    TColorPanel *&APanel,
                                    TColorButton *&ASample,
                                    QStringView AName,
                                    const QString &AText,
                                    int x) {
        place.Field(ACaption, AEdit, AName, x, 250, 200, AText);
        ASample = new TColorButton(content, QStringLiteral("ColorButton") + AName.toString());
        ASample->setGeometry(x + 206, 268, 40, 30);
        APanel = new TColorPanel(content, QStringLiteral("ColorPanel") + AName.toString());
        APanel->setUseAlpha(false);
        APanel->setGeometry(x, 306, 246, 140);
    };
    colour(LabelCorTelaInicial,
           EditCorTelaInicial,
           ColorPanelCorTelaInicial,
           ColorButtonCorTelaInicial,
           u"CorTelaInicial",
           QStringLiteral("Cor da Tela Inicial"),
           8);
    colour(LabelCorBarra,
           EditCorBarra,
           ColorPanelCorBarra,
           ColorButtonCorBarra,
           u"CorBarra",
           QStringLiteral("Cor Barra Inferior e Superior"),
           300);

    ImageLogo->OnClick = [this](QObject *Sender) { ImageLogoClick(Sender); };
    ImageLayoutCartaoDesconto->OnClick
        = [this](QObject *Sender) { ImageLayoutCartaoDescontoClick(Sender); };
    SpeedButtonRemoverLogo->OnClick
        = [this](QObject *Sender) { SpeedButtonRemoverLogoClick(Sender); };
    SpeedButtonLayoutCartaoDesconto->OnClick
        = [this](QObject *Sender) { SpeedButtonLayoutCartaoDescontoClick(Sender); };
    ColorPanelCorTelaInicial->OnChange
        = [this](QObject *Sender) { ColorPanelCorTelaInicialChange(Sender); };
    ColorPanelCorBarra->OnChange = [this](QObject *Sender) { ColorPanelCorBarraChange(Sender); };
    EditCorTelaInicial->OnChange = [this](QObject *Sender) { EditCorTelaInicialChange(Sender); };
    EditCorBarra->OnChange = [this](QObject *Sender) { EditCorBarraChange(Sender); };
}

TEmpresaPresenter &TFormCadastroEmpresa::presenter() const
{
    return static_cast<TEmpresaPresenter &>(*FPresenter);
}

void TFormCadastroEmpresa::SetInfoPresenter()
{
    SetPresenter(TBasePresenter::Create<TEmpresaPresenter>());
    TFormBaseCadastro::SetInfoPresenter();
}

void TFormCadastroEmpresa::fillListControl()
{
    TFormBaseCadastro::fillListControl();
    TManagerControl &manager = FPresenter->ManagerControls();
    // The company's person is shown only: never editable, so never checked as required.
    manager.Bind(EditPessoa, QStringLiteral("Pessoa"))
        .Required()
        .Upper()
        .MaxLength(100)
        .Caption(LabelPessoa)
        .Lookup(QStringLiteral("TPesquisaPessoa"))
        .Disabled();
    manager.Bind(EditCorTelaInicial, QStringLiteral("Cor da Tela Inicial"))
        .Upper()
        .MaxLength(9)
        .Caption(LabelCorTelaInicial)
        .Default(CorPadrao);
    manager.Bind(EditCorBarra, QStringLiteral("Cor Barra Inferior e Superior"))
        .Upper()
        .MaxLength(9)
        .Caption(LabelCorBarra)
        .Default(CorPadrao);
}

void TFormCadastroEmpresa::fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame)
{
    AFrame = TFrameBaseAdapter::New<TEmpresaFrameAdapter>(VertScrollBoxDados, ADataSet);
    TFormBaseCadastro::fillFrameItem(ADataSet, AFrame);
}

void TFormCadastroEmpresa::afterFormCreate()
{
    TFormBaseCadastro::afterFormCreate();
    SetControlFocus(EditPessoa);
}

void TFormCadastroEmpresa::limparImagens()
{
    ImageLogo->clear();
    ImageLayoutCartaoDesconto->clear();
    presenter().Logo.clear();
    presenter().LayoutCartaoDesconto.clear();
}

void TFormCadastroEmpresa::executeNovo(QObject *Sender)
{
    TFormBaseCadastro::executeNovo(Sender);
    limparImagens();
}

void TFormCadastroEmpresa::afterClearForm()
{
    TFormBaseCadastro::afterClearForm();
    limparImagens();
}

void TFormCadastroEmpresa::afterSave()
{
    TFormBaseCadastro::afterSave();
    limparImagens();
}

void TFormCadastroEmpresa::afterFillForm()
{
    TFormBaseCadastro::afterFillForm();
    mostrarImagem(ImageLogo, presenter().Logo);
    mostrarImagem(ImageLayoutCartaoDesconto, presenter().LayoutCartaoDesconto);
}

void TFormCadastroEmpresa::beforeSave()
{
    TFormBaseCadastro::beforeSave();
    presenter().Logo = textoDaImagem(ImageLogo);
    presenter().LayoutCartaoDesconto = textoDaImagem(ImageLayoutCartaoDesconto);
}

QString TFormCadastroEmpresa::textoDaImagem(const TImage *AImage)
{
    // An empty picture area sends nothing: the stored picture stays as it is.
    QImage image = AImage->bitmap();
    if (image.isNull())
        return QString();
    TUtils::GetImageResizeAndCompress(image, kImagemKB);
    QByteArray png;
    QBuffer stream(&png);
    stream.open(QIODevice::WriteOnly);
    image.save(&stream, "PNG");
    return TPictureText::FromBytes(png);
}

void TFormCadastroEmpresa::mostrarImagem(TImage *AImage, const QString &AText)
{
    if (AText.isEmpty())
        return;
    // A stored text that is no picture is left alone: the area keeps what it showed.
    QImage image;
    if (image.loadFromData(TPictureText::ToBytes(AText)))
        AImage->setBitmap(image);
}

void TFormCadastroEmpresa::escolherImagem(TImage *AImage)
{
    const QString fileName
        = TFileDialogs::Current().OpenFileName(this,
                                               QString(),
                                               QString(),
                                               QStringLiteral("Arquivos de Imagem (*.jpg *.jpeg "
                                                              "*.png)"));
    if (fileName.isEmpty())
        return;
    QImageReader reader(fileName);
    const QImage image = reader.read();
    if (image.isNull())
        throw Exception(QStringLiteral("ERROR:") + reader.errorString());
    AImage->setBitmap(image);
}

void TFormCadastroEmpresa::ImageLogoClick(QObject *Sender)
{
    (void)Sender;
    escolherImagem(ImageLogo);
}

void TFormCadastroEmpresa::ImageLayoutCartaoDescontoClick(QObject *Sender)
{
    (void)Sender;
    escolherImagem(ImageLayoutCartaoDesconto);
}

void TFormCadastroEmpresa::SpeedButtonRemoverLogoClick(QObject *Sender)
{
    (void)Sender;
    ImageLogo->clear();
}

void TFormCadastroEmpresa::SpeedButtonLayoutCartaoDescontoClick(QObject *Sender)
{
    (void)Sender;
    ImageLayoutCartaoDesconto->clear();
}

void TFormCadastroEmpresa::ColorPanelCorTelaInicialChange(QObject *Sender)
{
    (void)Sender;
    EditCorTelaInicial->setText(TThemeApp::AlphaColorToHex(ColorPanelCorTelaInicial->color()));
}

void TFormCadastroEmpresa::ColorPanelCorBarraChange(QObject *Sender)
{
    (void)Sender;
    EditCorBarra->setText(TThemeApp::AlphaColorToHex(ColorPanelCorBarra->color()));
}

void TFormCadastroEmpresa::EditCorTelaInicialChange(QObject *Sender)
{
    (void)Sender;
    normalizarCor(EditCorTelaInicial,
                  ColorPanelCorTelaInicial,
                  ColorButtonCorTelaInicial,
                  &TFormCadastroEmpresa::EditCorTelaInicialChange);
}

void TFormCadastroEmpresa::EditCorBarraChange(QObject *Sender)
{
    (void)Sender;
    normalizarCor(EditCorBarra,
                  ColorPanelCorBarra,
                  ColorButtonCorBarra,
                  &TFormCadastroEmpresa::EditCorBarraChange);
}

QString TFormCadastroEmpresa::NormalizarCor(const QString &AText)
{
    QString text = AText;
    text.remove(QLatin1Char('#'));
    if (text.trimmed().length() > 6)
        text = text.trimmed().right(6);
    try {
        TThemeApp::HexToAlphaColor(text);
    } catch (const EConvertError &) {
        return CorPadrao;
    }
    return text.toUpper();
}

void TFormCadastroEmpresa::normalizarCor(TEdit *AEdit,
                                         TColorPanel *APanel,
                                         TColorButton *ASample,
                                         void (TFormCadastroEmpresa::*AHandler)(QObject *))
{
    // The handler is off while the edit is written, so the text is normalised once.
    AEdit->OnChange = nullptr;
    const QString text = NormalizarCor(AEdit->text());
    APanel->setColor(TThemeApp::HexToAlphaColor(text));
    if (AEdit->text() != text)
        AEdit->setText(text);
    ASample->setColor(APanel->color());
    AEdit->OnChange = [this, AHandler](QObject *Sender) { (this->*AHandler)(Sender); };
}
