#include "App.Lib.Message.Form.Alert.h"

#include "App.Lib.Theme.h"
#include "Label.h"
#include "Layouts.h"
#include "Memo.h"
#include "ScrollBox.h"
#include "Shapes.h"

#include "ApplicationGuard.h"
#include "FakeConnection.h"
#include "ScriptedDialogs.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

TEST(FormAlertTest, ShowsTheTextUnderTheWarningsTitleWithoutAskingForPermission)
{
    const ApplicationGuard application;
    ScriptedDialogs dialogs;
    FakeBackend backend;
    FakeConnection fake { backend };
    backend.on("GET", "/acesso", FakeReply::json(R"({"id":7})"));
    fake.connection().Logar(QStringLiteral("ana"), QStringLiteral("x"));

    std::unique_ptr<TFormAlert> alert(TFormBase::Create<TFormAlert>());

    EXPECT_EQ(backend.count("GET", "/form-permission"), 0u);
    EXPECT_TRUE(dialogs.messageTexts().isEmpty());
    EXPECT_EQ(alert->LabelTitleForm->text(), QStringLiteral("AVISOS"));
    EXPECT_EQ(alert->RectangleTitle->fillColor(),
              TThemeApp::Instance().ColorApp().MessageInformationColor);
    EXPECT_EQ(alert->LayoutBackground->parentWidget(), alert->VertScrollBoxForm->content());
    EXPECT_EQ(alert->MemoAviso->parentWidget(), alert->LayoutControlsForm);
    EXPECT_EQ(alert->MemoAviso->margins(), QMargins(5, 5, 5, 5));
    alert->MemoAviso->setText(QStringLiteral("Contrato com parcelas em atraso.\nVerifique."));
    EXPECT_EQ(alert->MemoAviso->lines().size(), 2);
}

} // namespace
