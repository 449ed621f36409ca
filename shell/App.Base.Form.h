#pragma once

#include "Common.Base.ClassInfo.h"
#include "Common.Base.Serialize.h"
#include "Events.h"

#include <QString>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <map>
#include <memory>

class TRectangle;
class TSpeedButton;

// One guarded component of a window: the click it allows, blocks with a message or ignores
// according to the window's permissions. The window's table owns it.
class TComponentePermissaoDto final
{
public:
    void SetPermissaoFormulario(bool AValue) { m_permissaoFormulario = AValue; }
    void SetPermissaoComponente(bool AValue) { m_permissaoComponente = AValue; }
    void SetIconeLabel(const QString &AValue) { m_iconeLabel = AValue; }
    // Applies the look and, for a rectangle or a speed button, takes over its click: set the
    // component's own OnClick before registering it.
    void SetComponente(QWidget *AComponente);

private:
    void blockedClick(QObject *ASender);

    TNotifyEvent m_onClick;
    QWidget *m_componente = nullptr;
    QString m_iconeLabel;
    bool m_permissaoComponente = false;
    bool m_permissaoFormulario = false;
};

// Base of every window. Forms are built in code, in the constructor of the window's own unit
// (controls created with the window as parent and named with setObjectName as the system names
// them). Creation is in two phases because a constructor cannot reach the overrides: the
// constructor builds the form, FormCreate() then settles the permissions and applies the theme.
// TFormBase::Create<F>() does both; windows opened by name are registered with
// ZUNTA_REGISTER_FORM(ClassName) and created through CreateForm(name).
//
// Input, focus and activation events in a window or in any control inside it are user activity
// for the application object's inactivity lock, unless the window is marked as initialising.
class TFormBase : public QWidget
{
public:
    ~TFormBase() override;

    template<class F, class... TArgs>
    static F *Create(TArgs &&...args)
    {
        auto *form = new F(std::forward<TArgs>(args)...);
        static_cast<TFormBase *>(form)->FormCreate();
        return form;
    }
    // A new window of a class registered with ZUNTA_REGISTER_FORM, owned by the parent (or by
    // the caller when there is none); null when no window class bears the name.
    static TFormBase *CreateForm(const QString &AClassName, QWidget *AParent = nullptr);

    // The window's class name, as the permission request sends it ("TFormCadastroPessoa").
    const QString &ClassName() const { return m_className; }

    std::function<void()> ProcCloseForm;
    void ExecuteProcCloseForm();

    virtual void CloseForm() { }
    void IsInitializateApp() { m_isInitializateApp = true; }
    void EndInitializateApp() { m_isInitializateApp = false; }
    bool IsInitializing() const { return m_isInitializateApp; }
    virtual bool IgnorePermission() { return false; }
    // Applies the theme; descendants call it first and then register their guarded components.
    virtual void ApplyThemeApp();

    bool IsFormPermission() const { return m_isFormPermission; }
    bool FPermissionInserir = false;
    bool FPermissionEditar = false;
    bool FPermissionRemover = false;
    bool FPermissionMovimentar = false;
    bool FPermissionVisualizar = false;
    bool FPermissionPermissaoExtra1 = false;
    bool FPermissionPermissaoExtra2 = false;
    bool FPermissionPermissaoExtra3 = false;

    // Guarded components; a name registered twice raises an exception.
    void AddPermissionInserir(QWidget *AControl);
    void AddPermissionMovimentar(QWidget *AControl);
    void AddPermissionExtra1(TRectangle *ARectangle);
    void AddPermissionRemover(TRectangle *ARectangle);
    void AddPermissionVisualizar(TRectangle *ARectangle);

    // The window a control belongs to: its nearest window ancestor, or the window whose part
    // (MarkPartOf) it lies in while that part is docked or hosted elsewhere; null for none.
    static TFormBase *OwnerOf(QWidget *AControl);

protected:
    TFormBase(const QString &AClassName, QWidget *AParent = nullptr);

    // The second phase of creation: close procedure, permission check, theme. Descendants that
    // add steps call this one first.
    virtual void FormCreate();
    // A part of the window that is moved into another window (docked, hosted) still belongs to
    // this one.
    void MarkPartOf(QWidget *APart);

private:
    void checkPermission();
    void setAllPermissions(bool AValue);
    void addPermission(QWidget *AControl, bool APermission, const QString &AIconeLabel);
    void timerCloseFormTimer();

    QString m_className;
    QTimer *m_timerCloseForm;
    std::map<QString, std::unique_ptr<TComponentePermissaoDto>> m_mapObjectsAction;
    bool m_isFormPermission = true;
    bool m_isInitializateApp = false;
};

// How a window is created from its class name (the class registry holds one per window class).
using TFormFactory = std::function<TFormBase *(QWidget *)>;

#define ZUNTA_REGISTER_FORM(ClassName)                                                             \
    namespace {                                                                                    \
    const TClassRegistration                                                                       \
        zuntaFormRegistration##ClassName(QStringLiteral(#ClassName),                               \
                                         TFormFactory([](QWidget *parent) -> TFormBase * {         \
                                             return TFormBase::Create<ClassName>(parent);          \
                                         }));                                                      \
    }
