#pragma once

#include <QComboBox>

// The browser's address box: an editable list of the recorded addresses that completes an
// address while it is typed. Enter asks to go and to record the address; picking a list entry
// asks to go only.
class AddressBox final : public QComboBox
{
    Q_OBJECT

public:
    explicit AddressBox(QWidget *parent = nullptr);

    // The characters typed since the box was last cleared; they drive the completion.
    QString TypedPrefix() const { return m_typedPrefix; }
    void clearTypedPrefix() { m_typedPrefix.clear(); }

    // Shows the text with all of it selected, as after a page has loaded.
    void showAddress(const QString &text);

signals:
    void GoRequested();
    void RecordRequested();

protected:
    // Keys reach the box itself (its text field's focus proxy) and are passed on to the
    // field; keys sent to the field directly pass the filter.
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool keyPress(QKeyEvent *key);
    void selectOnFocus();
    void AutoCompleteAddress(const QString &typed);
    void selectTrimmedText();

    QString m_typedPrefix;
};
