#pragma once

#include <QDialog>
#include <QUrl>

class QPushButton;

// The "About Velmora" box: the program's icon, name and version, OK, and two
// buttons that open the maker's download page and a mail to the author.
class CAboutDlg : public QDialog {
  Q_OBJECT

 public:
  static constexpr const char* kVersionText = "Velmora 1.9";
  static constexpr const char* kDownloadPage = "https://velmora.example.org/download/";
  static constexpr const char* kMailAddress = "velmora@example.org";

  explicit CAboutDlg(QWidget* parent = nullptr);

  QPushButton& WebButton() const { return *m_pWeb; }
  QPushButton& MailButton() const { return *m_pMail; }
  QPushButton& OkButton() const { return *m_pOk; }

  static QUrl DownloadUrl();
  static QUrl MailUrl();

 private:
  QPushButton* AddButton(int id, const QString& text, const QRect& rect);

  QPushButton* m_pOk = nullptr;
  QPushButton* m_pWeb = nullptr;
  QPushButton* m_pMail = nullptr;
};
