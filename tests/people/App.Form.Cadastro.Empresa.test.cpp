#include "App.Form.Cadastro.Empresa.h"

#include "App.Adapter.Frame.Empresa.h"
#include "App.Lib.Theme.h"
#include "ColorButton.h"
#include "ColorPanel.h"
#include "Common.Lib.PictureText.h"
#include "App.Lib.Exception.h"
#include "Edit.h"
#include "Events.h"
#include "Image.h"
#include "Label.h"
#include "SpeedButton.h"

#include "support/RegistrationWindowFixture.h"
#include "support/WidgetInput.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>

namespace {

const QString kSuccess = QStringLiteral("SUCCESSOperação realizada com sucesso.");

// A picture of noise, which PNG cannot shrink, about AKB kilobytes as PNG.
QImage ruido(int AKB)
{
    const int side = int(std::sqrt(AKB * 1024.0 / 3));
    QImage image(side, side, QImage::Format_RGB32);
    QRandomGenerator random(7);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            image.setPixel(x, y, random.generate() | 0xFF000000u);
    return image;
}

QByteArray png(const QImage &AImage)
{
    QByteArray bytes;
    QBuffer stream(&bytes);
    stream.open(QIODevice::WriteOnly);
    AImage.save(&stream, "PNG");
    return bytes;
}

class FormCadastroEmpresaTest
    : public RegistrationWindowFixture<TFormCadastroEmpresa, TEmpresaFrameAdapter>
{
protected:
    FormCadastroEmpresaTest()
        : RegistrationWindowFixture("TFormCadastroEmpresa", "/empresa")
    { }

    void editar(qint64 AId)
    {
        search();
        TEmpresaFrameAdapter *row = nullptr;
        for (TEmpresaFrameAdapter *frame : frames())
            if (frame->TagString.toLongLong() == AId)
                row = frame;
        ASSERT_NE(row, nullptr);
        row->SpeedButtonEdit->click();
        waitIdle();
        ASSERT_TRUE(recordTabActive());
    }
    // The picture a save sent, as it arrived.
    QImage enviada(const char *AMember)
    {
        const QString wire = lastPost().value(QLatin1String(AMember)).toString();
        return QImage::fromData(TPictureText::ToBytes(TPictureText::Decode(wire)));
    }
    void salvar()
    {
        dialogs.clearMessages();
        form->SpeedButtonSalvar->click();
        waitIdle();
        EXPECT_EQ(dialogs.messageTexts(), QStringList { kSuccess });
    }

    QTemporaryDir folder;
};

TEST_F(FormCadastroEmpresaTest, ListsCompaniesWithoutRemoveAndEditsTheirColours)
{
    EXPECT_EQ(form->LabelTitleForm->text(), QStringLiteral("CADASTRO DE EMPRESAS"));
    search();
    ASSERT_EQ(frames().size(), 2);
    for (TEmpresaFrameAdapter *row : frames())
        EXPECT_FALSE(row->SpeedButtonRemove->isVisibleTo(row));
    EXPECT_NE(frameOf(&TEmpresaFrameAdapter::LabelEmpresa, QStringLiteral("FUNERÁRIA SÃO JOSÉ")),
              nullptr);

    editar(1);
    EXPECT_FALSE(form->EditPessoa->isEnabled());
    EXPECT_EQ(form->EditPessoa->text(), QStringLiteral("FUNERÁRIA SÃO JOSÉ LTDA"));
    EXPECT_EQ(form->EditCorBarra->text(), QStringLiteral("313842"));
    EXPECT_EQ(form->ColorPanelCorBarra->color(), 0xFF313842u);
    EXPECT_EQ(form->ColorButtonCorBarra->color(), 0xFF313842u);

    // A colour picked: the edit takes its digits.
    form->ColorPanelCorTelaInicial->pickAt(QPoint(0, 0));
    EXPECT_EQ(form->EditCorTelaInicial->text(), QStringLiteral("FFFFFF"));
    salvar();
    const QJsonObject body = lastPost();
    EXPECT_EQ(body.value(QStringLiteral("id")).toInteger(), 1);
    EXPECT_EQ(body.value(QStringLiteral("idPessoa")).toInteger(), 1);
    EXPECT_EQ(body.value(QStringLiteral("corTelaInicial")).toString(), QStringLiteral("FFFFFF"));
    EXPECT_EQ(body.value(QStringLiteral("corBarra")).toString(), QStringLiteral("313842"));
    EXPECT_EQ(demo.backend().last("POST", "/empresa")->header("Authorization").has_value(), true);
    // The stored company keeps its name, which its body does not carry.
    const auto stored = demo.store().find(QStringLiteral("/empresa"), 1);
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->value(QStringLiteral("empresa")).toString(),
              QStringLiteral("FUNERÁRIA SÃO JOSÉ"));
    EXPECT_EQ(stored->value(QStringLiteral("corTelaInicial")).toString(), QStringLiteral("FFFFFF"));
}

TEST_F(FormCadastroEmpresaTest, NewRecordShowsTheDefaultColourInBothEdits)
{
    form->SpeedButtonNovo->click();
    EXPECT_EQ(form->EditCorTelaInicial->text(), QStringLiteral("1D144B"));
    EXPECT_EQ(form->EditCorBarra->text(), QStringLiteral("1D144B"));
    EXPECT_EQ(form->ColorPanelCorTelaInicial->color(), 0xFF1D144Bu);
    EXPECT_EQ(form->ColorButtonCorBarra->color(), 0xFF1D144Bu);
}

struct CorCase
{
    const char *name;
    const char *typed;
    const char *shown;
};

void PrintTo(const CorCase &row, std::ostream *out)
{
    *out << row.name;
}

class CorEmpresaTest : public FormCadastroEmpresaTest, public ::testing::WithParamInterface<CorCase>
{
};

TEST_P(CorEmpresaTest, TypedColourIsNormalisedInTheEditPickerAndSample)
{
    editar(2);
    for (TEdit *edit : { form->EditCorTelaInicial, form->EditCorBarra }) {
        edit->clear();
        typeText(edit, QString::fromUtf8(GetParam().typed));
        pressKey(edit, Qt::Key_Return);
        EXPECT_EQ(edit->text(), QString::fromUtf8(GetParam().shown));
    }
    const TAlphaColor color = TThemeApp::HexToAlphaColor(QString::fromUtf8(GetParam().shown));
    EXPECT_EQ(form->ColorPanelCorTelaInicial->color(), color);
    EXPECT_EQ(form->ColorButtonCorTelaInicial->color(), color);
    EXPECT_EQ(form->ColorPanelCorBarra->color(), color);
    EXPECT_TRUE(dialogs.messageTexts().isEmpty());
}

const CorCase kCorCases[] = {
    { "HashAndLowerCase", "#1d144b", "1D144B" },
    { "LongerKeepsTheLastSix", "12345678", "345678" },
    { "NotHexadecimal", "zz", "1D144B" },
    { "HashInside", "ab#cd#ef", "ABCDEF" },
};

INSTANTIATE_TEST_SUITE_P(Cases,
                         CorEmpresaTest,
                         ::testing::ValuesIn(kCorCases),
                         [](const auto &info) { return std::string(info.param.name); });

struct LogoCase
{
    const char *name;
    int kb;
    bool halved;
};

void PrintTo(const LogoCase &row, std::ostream *out)
{
    *out << row.name;
}

class LogoEmpresaTest : public FormCadastroEmpresaTest,
                        public ::testing::WithParamInterface<LogoCase>
{
};

TEST_P(LogoEmpresaTest, ChosenLogoIsReducedOverFiveHundredKilobytesBeforeItIsSent)
{
    const QImage logo = ruido(GetParam().kb);
    const QByteArray bytes = png(logo);
    ASSERT_NEAR(bytes.size() / 1024, GetParam().kb, 10);
    const QString file = folder.filePath(QStringLiteral("logo.png"));
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(bytes);
    out.close();

    editar(1);
    dialogs.chooseOpenFile(file);
    clickAt(form->ImageLogo, form->ImageLogo->rect().center());
    ASSERT_EQ(dialogs.fileDialogs().size(), 1u);
    EXPECT_EQ(dialogs.fileDialogs().front().Kind, QStringLiteral("open"));
    EXPECT_EQ(form->ImageLogo->bitmap().size(), logo.size());
    salvar();

    const QImage sent = enviada("logo");
    ASSERT_FALSE(sent.isNull());
    if (GetParam().halved) {
        EXPECT_NEAR(sent.width(), logo.width() / 2.0, 2);
        EXPECT_NEAR(sent.height(), logo.height() / 2.0, 2);
    } else {
        EXPECT_EQ(sent, logo.convertToFormat(sent.format()));
    }
    EXPECT_TRUE(lastPost().value(QStringLiteral("layoutCartaoDesconto")).toString().isEmpty())
        << "an empty picture area sends nothing";

    // Read back: the stored logo shows again.
    EXPECT_EQ(form->ImageLogo->bitmap().size(), sent.size());
}

const LogoCase kLogoCases[] = {
    { "Of1000KBIsHalved", 1000, true },
    { "Of400KBIsSentUnchanged", 400, false },
};

INSTANTIATE_TEST_SUITE_P(Cases,
                         LogoEmpresaTest,
                         ::testing::ValuesIn(kLogoCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(FormCadastroEmpresaTest, StoredPicturesShowAndAnUnreadableOneLeavesTheAreaEmpty)
{
    QJsonObject empresa = *demo.store().find(QStringLiteral("/empresa"), 2);
    const QImage layout = ruido(4);
    empresa.insert(QStringLiteral("layoutCartaoDesconto"),
                   TPictureText::Encode(TPictureText::FromBytes(png(layout))));
    empresa.insert(QStringLiteral("logo"),
                   TPictureText::Encode(TPictureText::FromBytes("no picture at all")));
    demo.backend().on(
        "GET", "/empresa/2", FakeReply::json(QJsonDocument(empresa).toJson().toStdString()));

    editar(2);
    EXPECT_TRUE(form->ImageLogo->bitmap().isNull());
    EXPECT_EQ(form->ImageLayoutCartaoDesconto->bitmap().size(), layout.size());
    EXPECT_TRUE(dialogs.messageTexts().isEmpty());

    // The card layout is removed by its button and a new record starts without pictures.
    form->SpeedButtonLayoutCartaoDesconto->click();
    EXPECT_TRUE(form->ImageLayoutCartaoDesconto->bitmap().isNull());
    form->SpeedButtonNovoEdicao->click();
    EXPECT_TRUE(form->ImageLogo->bitmap().isNull());
}

TEST_F(FormCadastroEmpresaTest, AFileThatIsNoPictureShowsTheErrorAndKeepsThePicture)
{
    const QString file = folder.filePath(QStringLiteral("logo.png"));
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write("not a picture");
    out.close();
    // The application's net shows what a control's event raised.
    const TApplicationExceptionHandler previous = SetApplicationExceptionHandler(
        [](std::exception_ptr failure) { TDravikHandleException::Handle(failure); });
    editar(1);
    dialogs.chooseOpenFile(file);
    clickAt(form->ImageLogo, form->ImageLogo->rect().center());
    SetApplicationExceptionHandler(previous);
    ASSERT_EQ(dialogs.messageTexts().size(), 1);
    EXPECT_TRUE(dialogs.messageTexts().front().startsWith(QStringLiteral("ERROR:")));
    EXPECT_TRUE(form->ImageLogo->bitmap().isNull());
}

} // namespace
