#include "gui/tabs/GamesTab.h"

#include "core/app/Twips.h"
#include "ui_GamesTab.h"

namespace z3d {

namespace {
constexpr int kFilesShrunk = 1020;
constexpr int kSavesShrunk = 1605;
constexpr int kFilesExpanded = 1740;
constexpr int kSavesExpanded = 885;
} // namespace

GamesTab::GamesTab(QWidget* parent) : QGroupBox(parent), m_ui(std::make_unique<Ui::GamesTab>())
{
    m_ui->setupUi(this);
    shrinkGameList();
}

GamesTab::~GamesTab() = default;

QRadioButton* GamesTab::optionUdir(int index) const
{
    switch (index) {
    case 0:
        return m_ui->OptionUdir_0;
    case 1:
        return m_ui->OptionUdir_1;
    case 2:
        return m_ui->OptionUdir_2;
    default:
        return nullptr;
    }
}

QLabel* GamesTab::header(int index) const
{
    switch (index) {
    case 0:
        return m_ui->Auto_0;
    case 1:
        return m_ui->Auto_1;
    case 2:
        return m_ui->Auto_2;
    case 3:
        return m_ui->Auto_3;
    default:
        return nullptr;
    }
}

QListWidget* GamesTab::gamesList() const
{
    return m_ui->PwadList;
}
QListWidget* GamesTab::gameFilesList() const
{
    return m_ui->PwadShowlist;
}
QListWidget* GamesTab::mapList() const
{
    return m_ui->MapList;
}
QListWidget* GamesTab::saveGameList() const
{
    return m_ui->SaveGameList;
}
QLabel* GamesTab::scriptedMapsImage() const
{
    return m_ui->ImageCM;
}

QPushButton* GamesTab::butPurge(int index) const
{
    if (index == 0)
        return m_ui->ButPurge_0;
    if (index == 1)
        return m_ui->ButPurge_1;
    return nullptr;
}

int GamesTab::selectedView() const
{
    for (int i = 0; i < 3; ++i) {
        if (optionUdir(i)->isChecked())
            return i;
    }
    return -1;
}

void GamesTab::shrinkGameList()
{
    setListHeights(kFilesShrunk, kSavesShrunk);
}

void GamesTab::expandGameList()
{
    setListHeights(kFilesExpanded, kSavesExpanded);
}

void GamesTab::setListHeights(int filesTwips, int savesTwips)
{
    const Twips twips(logicalDpiX(), logicalDpiY());
    m_ui->PwadShowlist->setFixedHeight(twips.height(filesTwips));
    m_ui->SaveGameList->setFixedHeight(twips.height(savesTwips));
}

} // namespace z3d
