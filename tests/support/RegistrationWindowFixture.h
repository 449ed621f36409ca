#pragma once

#include "App.Base.Form.MetodoCadastro.h"
#include "App.Lib.Application.h"
#include "App.Lib.ForcaSenha.h"
#include "App.Lib.Menu.Grupo.h"
#include "Edit.h"
#include "Label.h"
#include "ScrollBox.h"
#include "TabControl.h"

#include "DemoBackend.h"
#include "FakeConnection.h"
#include "ScriptedDialogs.h"
#include "TestMainWindow.h"
#include "WaitIdle.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QList>
#include <QString>

#include <gtest/gtest.h>

#include <memory>
#include <string>

// A registration window opened by its class name, as its menu item does, and docked in the main
// window, for the demo user logged in to the stand-in back end served from the repository's seed
// (a test may still answer a path its own way with demo.backend().on). TForm is the window's
// class, TRow the class of its list rows:
//
//     class FormCadastroBancoTest
//         : public RegistrationWindowFixture<TFormCadastroBanco, TBancoFrameAdapter>
//     {
//     protected:
//         FormCadastroBancoTest() : RegistrationWindowFixture("TFormCadastroBanco", "/banco") { }
//     };
template<class TForm, class TRow>
class RegistrationWindowFixture : public ::testing::Test
{
protected:
    // AResource: the path the window's records are saved to ("/lista-sistema").
    RegistrationWindowFixture(const char *AFormClass, std::string AResource)
        : m_formClass(QString::fromLatin1(AFormClass))
        , m_resource(std::move(AResource))
    { }

    void SetUp() override
    {
        fake.connection().Logar(m_login, DigestSenha(m_senha));
        principal.reset(TFormBase::Create<TFormPrincipalTeste>());
        principal->Install();
        principal->show();
        TApplicationZunta &application = TApplicationZunta::GetInstance();
        application.OpenForm(nullptr, m_formClass);
        form = dynamic_cast<TForm *>(application.FormOpened(m_formClass));
        ASSERT_NE(form, nullptr) << m_formClass.toStdString() << " did not open";
    }
    void TearDown() override
    {
        waitIdle();
        TApplicationZunta::ResetInstance();
        FlushDeletes();
        principal.reset();
    }

    static void waitIdle() { ::waitIdle(); }

    // Searches the text as the person does, and waits for the rows.
    void search(const QString &AText = {})
    {
        form->EditPesquisar->setText(AText);
        form->SearchEditButtonPesquisar->click();
        waitIdle();
    }
    // The rows a window or sub-form lists now (rows on their way out left out).
    template<class TAnyRow>
    static QList<TAnyRow *> rowsOf(const TFormBaseMetodoCadastro *AForm)
    {
        FlushDeletes();
        QList<TAnyRow *> rows;
        for (TAnyRow *row : AForm->VertScrollBoxDados->template findChildren<TAnyRow *>())
            if (!row->isHidden())
                rows << row;
        return rows;
    }
    // The rows listed now, top to bottom.
    QList<TRow *> frames() const { return rowsOf<TRow>(form); }
    // A group of a window shown, as the person clicks it.
    static void showGroup(TFormBaseMetodoCadastro *AForm, const QString &ATitle)
    {
        for (const auto &button : AForm->ListMenuGrupo())
            if (button->Text() == ATitle) {
                button->Click();
                waitIdle();
                return;
            }
        FAIL() << "no group " << ATitle.toStdString();
    }
    // The listed row whose label (a member of the row) shows the text; null when none does.
    TRow *frameOf(TLabel *TRow::*ALabel, const QString &AText) const
    {
        for (TRow *frame : frames())
            if ((frame->*ALabel)->text() == AText)
                return frame;
        return nullptr;
    }
    bool recordTabActive() const
    {
        return form->TabControlCadastro->activeTab() == form->TabItemEdicao;
    }
    // The body of the last save, as the back end received it; empty when nothing was saved.
    QJsonObject lastPost()
    {
        const auto post = demo.backend().last("POST", m_resource);
        return post ? QJsonDocument::fromJson(QByteArray::fromStdString(post->body)).object()
                    : QJsonObject();
    }

    DemoBackend demo { QStringLiteral(ZUNTA_SOURCE_DIR "/fake-backend/seed.json") };
    FakeConnection fake { demo.backend() };
    ScriptedDialogs dialogs;
    std::unique_ptr<TFormPrincipalTeste> principal;
    TForm *form = nullptr;
    // Who opens the window: the demo user, an administrator with every permission, unless a
    // fixture sets another seed user before SetUp ("atendente" is no administrator).
    QString m_login = QStringLiteral("demo");
    QString m_senha = QStringLiteral("demo1234");

private:
    QString m_formClass;
    std::string m_resource;
};
