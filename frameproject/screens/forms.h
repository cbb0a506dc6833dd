#pragma once
// The screens of frameproject: Form1 (open or create a project), Form2 (control
// numbers), the record editors Form3 to Form7 (one table entry at a time),
// Form8 (save, echo and compute) and Form9 (show and print the end forces).
//
// Every control is a public member and carries its name as objectName
// (Text1, Command3, Combo1, List1, ok, ea0, je1, pj1, pf1 ...). Labels without a
// name of their own are called Label1, Label2 ... from top to bottom. Every text
// field, combo box and list carries its label's caption as accessible name.
// On the record editors "上一步" is Command2 and "下一步" is Command1.
//
// The screens read and write the one project model (theProject()); they open
// and close each other through platform::open / platform::close. The project
// files live in the project folder (the program's own folder unless a test
// sets another one).

#include "frameproject/model/project.h"
#include "platform/registry.h"
#include "platform/screen.h"

#include <QString>

#include <optional>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace platform {
class TextSurface;
}

namespace frameproject::screens {

// The folder that holds the project files: the executable's folder by default.
QString projectFolder();
// Replaces the project folder (tests pass a temporary directory); an empty
// text restores the executable's folder.
void setProjectFolder(const QString& folder);

// nullopt when `name` can serve as a project name inside the project folder;
// otherwise the message that tells the user why not. Refused: path separators,
// "..", wildcard characters, control characters, characters other file
// systems cannot hold (< > : " |) and names too long for a file name.
std::optional<QString> checkProjectName(const QString& name);

// Shows a message box (through platform::dialogs()).
void showMessage(const QString& text);

// Returns the close box of Form2 to Form9: the screen closes and Form1 comes
// back with its project name, so the program never runs on with no window.
void returnToForm1(platform::Screen* screen);

class Form1 final : public platform::Screen
{
    Q_OBJECT
public:
    Form1();
    void load() override;

    QLabel* Label5;
    QLabel* Label1;
    QLabel* Label3;
    QLineEdit* Text1;
    QLabel* Label2;
    QPushButton* Command3; // "打开工程"
    QPushButton* Command2; // "退出程序"
    QLabel* Label4;

private:
    void openProject();
};

class Form2 final : public platform::Screen
{
    Q_OBJECT
public:
    Form2();
    void load() override;

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLineEdit* Text1; // NE
    QLineEdit* Text2; // NJ
    QLineEdit* Text3; // NS
    QLineEdit* Text4; // NPJ
    QLineEdit* Text5; // NPF
    QPushButton* Command1; // "确  定"
    QPushButton* Command2; // "上一步"
    QPushButton* Command3; // "重新输入"

protected:
    void closeBoxPressed() override { returnToForm1(this); }

private:
    void confirm();
};

// What the record editors share: Combo1 with the entry numbers, one text field
// per field of the entry, the store button, "上一步" and "下一步" (default).
class RecordEditor : public platform::Screen
{
    Q_OBJECT
public:
    QLabel* comboLabel = nullptr;
    QComboBox* Combo1 = nullptr;
    QPushButton* Command2 = nullptr; // "上一步"
    QPushButton* Command1 = nullptr; // "下一步"

    void load() override;

    // The store button ("确  定") and the text fields from top to bottom.
    QPushButton* storeButton() const { return m_store; }
    const std::vector<QLineEdit*>& fields() const { return m_fields; }

protected:
    struct FieldLayout
    {
        const char* name;    // objectName of the text field
        QString caption;     // its label
        int labelLeft;
        int labelWidth;
        int top;
    };
    struct Layout
    {
        QString title;
        int width, height;
        QString comboCaption;
        int labelLeft;       // label of the combo box
        int controlLeft;     // combo box and fields
        int comboTop;
        int fieldHeight;
        const char* storeName;
        int buttonLeft;
        int buttonTops[3];   // store, "上一步", "下一步"
    };
    RecordEditor(const Layout& layout, const std::vector<FieldLayout>& fields);

    QLineEdit* field(int index) const { return m_fields[static_cast<std::size_t>(index)]; }

    // Number of entries the editor walks through.
    virtual int count() const = 0;
    // Entry k (1-based) into the fields, and the fields into entry k; storing
    // returns a message when a field cannot be stored (nothing is stored then).
    virtual void showEntry(int k) = 0;
    virtual std::optional<QString> storeEntry(int k) = 0;
    virtual void back() = 0;
    virtual void next() = 0;

    void closeBoxPressed() override { returnToForm1(this); }

private:
    void selectionChanged(int index);
    void store();

    QPushButton* m_store = nullptr;
    std::vector<QLineEdit*> m_fields;
};

class Form3 final : public RecordEditor
{
    Q_OBJECT
public:
    Form3();
    QLineEdit* Text4; // X
    QLineEdit* Text5; // Y
    QPushButton* Command8;

protected:
    int count() const override;
    void showEntry(int k) override;
    std::optional<QString> storeEntry(int k) override;
    void back() override;
    void next() override;
};

class Form4 final : public RecordEditor
{
    Q_OBJECT
public:
    Form4();
    QLineEdit* Text2; // node number
    QLineEdit* Text4; // U code
    QLineEdit* Text5; // V code
    QLineEdit* Text1; // Z code
    QPushButton* Command8;

protected:
    int count() const override;
    void showEntry(int k) override;
    std::optional<QString> storeEntry(int k) override;
    void back() override;
    void next() override;
};

class Form5 final : public RecordEditor
{
    Q_OBJECT
public:
    Form5();
    QLineEdit* je1; // start node
    QLineEdit* je2; // end node
    QLineEdit* ea0; // EA
    QLineEdit* ei0; // EI
    QPushButton* ok;

protected:
    int count() const override;
    void showEntry(int k) override;
    std::optional<QString> storeEntry(int k) override;
    void back() override;
    void next() override;
};

class Form6 final : public RecordEditor
{
    Q_OBJECT
public:
    Form6();
    QLineEdit* pj1; // position-and-direction datum
    QLineEdit* pj2; // value
    QPushButton* ok;

protected:
    int count() const override;
    void showEntry(int k) override;
    std::optional<QString> storeEntry(int k) override;
    void back() override;
    void next() override;
};

class Form7 final : public RecordEditor
{
    Q_OBJECT
public:
    Form7();
    QLineEdit* pf1; // element number
    QLineEdit* pf2; // type IND
    QLineEdit* pf3; // A
    QLineEdit* pf4; // Q
    QPushButton* ok;

protected:
    int count() const override;
    void showEntry(int k) override;
    std::optional<QString> storeEntry(int k) override;
    void back() override;
    void next() override;
};

class Form8 final : public platform::Screen
{
    Q_OBJECT
public:
    Form8();

    QListWidget* List1;
    QPushButton* Command2; // "上一步"
    QPushButton* Command1; // "输出原始数据"
    QPushButton* Command3; // "开始计算"
    QPushButton* Command4; // "清除重算"
    QPushButton* Command5; // "下一步"

    // Lines appended to List1, in bulk (one update of the list per call).
    void appendLines(const std::vector<std::string>& lines);

protected:
    void closeBoxPressed() override { returnToForm1(this); }

private:
    void saveAndEcho();
    void compute();
    void clearAndRestart();
    void back();
    void next();
};

class Form9 final : public platform::Screen
{
    Q_OBJECT
public:
    Form9();

    platform::TextSurface* surface; // the screen's own drawing surface
    QPushButton* Command1; // "显示结果"
    QPushButton* Command2; // "打印结果"
    QPushButton* Command3; // "上一步"
    QPushButton* Command4; // "结束计算"

protected:
    void closeBoxPressed() override { returnToForm1(this); }

private:
    void showResults();
    void printResults();
};

} // namespace frameproject::screens
