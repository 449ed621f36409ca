#include "App.Base.Form.View.h"

#include "Label.h"
#include "ScrollBox.h"

#include "ShellWindows.h"
#include "WaitFor.h"

#include <QFontMetrics>

#include <gtest/gtest.h>

namespace {

class TFormCadastroBancoTeste final : public TFormBaseView
{
public:
    TFormCadastroBancoTeste()
        : TFormBaseView(QStringLiteral("TFormCadastroBancoTeste"))
    {
        setWindowTitle(QStringLiteral("Cadastro de Bancos"));
    }
};

class FormBaseViewTest : public ShellWindowsTest
{
protected:
    void SetUp() override { login(1); }
};

TEST_F(FormBaseViewTest, TitleIsTheCaptionInUpperCaseAndTheNoticeIsHidden)
{
    std::unique_ptr<TFormBaseView> view(TFormBase::Create<TFormCadastroBancoTeste>());
    EXPECT_EQ(view->LabelTitleForm->text(), QStringLiteral("CADASTRO DE BANCOS"));
    EXPECT_FALSE(view->RectangleMessageBottom->Visible());
    EXPECT_EQ(view->LayoutBackground->parentWidget(), view->VertScrollBoxForm->content());
}

TEST_F(FormBaseViewTest, BottomNoticeShowsForTheGivenTime)
{
    std::unique_ptr<TFormBaseView> view(TFormBase::Create<TFormCadastroBancoTeste>());
    const QString text = QStringLiteral("Copiado para área de transferência");
    view->ShowMessageBottom(text, 20);
    EXPECT_TRUE(view->RectangleMessageBottom->Visible());
    EXPECT_EQ(view->LabelMessageBottom->text(), text);
    EXPECT_EQ(view->RectangleMessageBottom->width(),
              QFontMetrics(view->LabelMessageBottom->font()).horizontalAdvance(text) + 20);
    EXPECT_TRUE(waitFor([&] { return !view->RectangleMessageBottom->Visible(); }));
}

} // namespace
