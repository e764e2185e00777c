#include "diary/window/diarywindow.h"

#include "app/messages.h"
#include "controls/artwork.h"
#include "diary/window/diaryentrymodel.h"
#include "diary/window/diaryreadingtext.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSplitter>
#include <QTextBrowser>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

#include <utility>

namespace somnar::diary {

namespace {

const QString kHtmlFilter = QStringLiteral("Страница HTML (*.html)");
const QString kTextFilter = QStringLiteral("Текст (*.txt)");

// The picker inside its container, Russian, as the calendar window has it.
void SetUpPicker(cDateTimePicker &picker, QWidget *container, int style, const QString &format, int width)
{
    picker.Create(container, style, 0, 0, 10, 10);
    picker.hWnd()->setLocale(QLocale(QLocale::Russian, QLocale::Russia));
    picker.setFormat(format);
    container->setFocusProxy(picker.hWnd());
    container->setFixedSize(width, picker.hWnd()->sizeHint().height());
    picker.hWnd()->setGeometry(container->rect());
}

QString VividnessText(int vividness)
{
    static const QStringList texts{QStringLiteral("смутный"), QStringLiteral("бледный"), QStringLiteral("обычный"),
                                   QStringLiteral("яркий"), QStringLiteral("очень яркий")};
    return QStringLiteral("%1 — %2").arg(vividness).arg(texts[vividness - kLeastVividness]);
}

}

DiaryWindow::DiaryWindow(std::unique_ptr<DiaryStore> store, const UserLocation &town, QWidget *owner,
                         const astro::UtcOffsetSource &offset)
    : QWidget(owner, Qt::Window)
    , m_store(std::move(store))
    , m_town(town)
    , m_offset(offset)
    , m_calendar(std::make_unique<DreamCalendar>(town, offset))
    , m_linker(std::make_shared<HeadwordLinker>())
    , m_logic(std::make_unique<DiaryWindowLogic>(*m_store, *m_calendar, *m_linker))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Дневник сновидений"));
    setWindowIcon(artworkIcon(QStringLiteral("diary")));

    createActions();
    createList();
    createEditor();
    createReading();
    layOut();

    connect(m_logic.get(), &DiaryWindowLogic::listChanged, this, &DiaryWindow::showList);
    connect(m_logic.get(), &DiaryWindowLogic::rowChanged, this, &DiaryWindow::showRow);
    connect(m_logic.get(), &DiaryWindowLogic::currentOpened, this, &DiaryWindow::showEntry);
    connect(m_logic.get(), &DiaryWindowLogic::readingChanged, this, &DiaryWindow::showReading);
    connect(m_logic.get(), &DiaryWindowLogic::saveFailed, this, &DiaryWindow::saveFailed);
    connect(m_logic.get(), &DiaryWindowLogic::saved, this, [this] { setStatus(QString()); });
    connect(m_logic.get(), &DiaryWindowLogic::lunarDaysRead, m_model, &DiaryEntryModel::lunarDaysChanged);

    m_logic->load();
    if (!m_logic->isWritable())
        setStatus(QStringLiteral("Дневник открыт только для чтения: записи можно читать, но не менять."));
    updateActions();
    // An empty diary is opened to write in; a kept one, to look through.
    if (IsBlank(m_logic->current()))
        m_text->setFocus();
    else
        m_list->setFocus();
}

DiaryWindow::~DiaryWindow()
{
    // The logic holds references to the store, the calendar and the linker: it goes first.
    m_logic.reset();
}

void DiaryWindow::createActions()
{
    m_toolBar = new QToolBar(this);
    m_toolBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    m_new = m_toolBar->addAction(QStringLiteral("Новый сон"));
    m_new->setToolTip(QStringLiteral("Записать новый сон (Ctrl+N)"));
    m_new->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    connect(m_new, &QAction::triggered, this, [this] {
        m_logic->startNew();
        m_text->setFocus();
    });

    m_delete = m_toolBar->addAction(QStringLiteral("Удалить"));
    m_delete->setToolTip(QStringLiteral("Удалить выбранные записи (Delete)"));
    m_delete->setShortcut(QKeySequence::Delete);
    m_delete->setShortcutContext(Qt::WidgetShortcut);
    connect(m_delete, &QAction::triggered, this, &DiaryWindow::deleteSelected);

    m_undo = m_toolBar->addAction(QStringLiteral("Вернуть"));
    m_undo->setToolTip(QStringLiteral("Вернуть удалённые записи (Ctrl+Z)"));
    m_undo->setShortcut(QKeySequence::Undo);
    m_undo->setShortcutContext(Qt::WidgetShortcut);
    connect(m_undo, &QAction::triggered, this, [this] {
        m_logic->undoRemove();
        updateActions();
    });
    m_toolBar->addSeparator();

    auto *exportMenu = new QMenu(this);
    m_exportAll = exportMenu->addAction(QStringLiteral("Все записи…"));
    connect(m_exportAll, &QAction::triggered, this, [this] { exportEntries(false); });
    m_exportSelected = exportMenu->addAction(QStringLiteral("Выбранные записи…"));
    connect(m_exportSelected, &QAction::triggered, this, [this] { exportEntries(true); });
    QAction *exportButton = m_toolBar->addAction(QStringLiteral("Экспорт"));
    exportButton->setToolTip(QStringLiteral("Сохранить записи в файл HTML или в простой текст"));
    exportButton->setMenu(exportMenu);
    if (auto *button = qobject_cast<QToolButton *>(m_toolBar->widgetForAction(exportButton)))
        button->setPopupMode(QToolButton::InstantPopup);

    m_import = m_toolBar->addAction(QStringLiteral("Импорт…"));
    m_import->setToolTip(QStringLiteral("Добавить записи из текстового файла, сохранённого экспортом"));
    connect(m_import, &QAction::triggered, this, &DiaryWindow::importEntries);
}

void DiaryWindow::createList()
{
    m_search = new QLineEdit(this);
    m_search->setPlaceholderText(QStringLiteral("Поиск по всем снам"));
    m_search->setClearButtonEnabled(true);
    m_search->setToolTip(QStringLiteral("Слова в любой форме; фразу возьмите в кавычки"));
    connect(m_search, &QLineEdit::textChanged, m_logic.get(), &DiaryWindowLogic::setQuery);

    m_model = new DiaryEntryModel([this](const EntrySummary &entry) { return m_logic->listedLunarDay(entry); }, this);
    m_list = new QTreeView(this);
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setModel(m_model);
    m_list->addAction(m_delete);
    m_list->addAction(m_undo);
    // Widths from the font, never from the rows: measuring thousands of rows is slow.
    const QFontMetrics metrics(m_list->font());
    QHeaderView *header = m_list->header();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(DiaryEntryModel::TitleColumn, QHeaderView::Stretch);
    header->resizeSection(DiaryEntryModel::DateColumn, metrics.horizontalAdvance(QStringLiteral("00.00.00000")) + 12);
    header->resizeSection(DiaryEntryModel::LunarDayColumn, metrics.horizontalAdvance(QStringLiteral("Л. д.")) + 16);
    connect(m_list->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &DiaryWindow::listRowChosen);
    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this, &DiaryWindow::updateActions);

    m_count = new QLabel(this);
    m_count->setObjectName(QStringLiteral("DiaryCount"));
}

void DiaryWindow::createEditor()
{
    m_editor = new QWidget(this);
    m_title = new QLineEdit(m_editor);
    m_title->setPlaceholderText(QStringLiteral("Коротко: о чём сон"));
    connect(m_title, &QLineEdit::textEdited, this, &DiaryWindow::editorChanged);

    m_dateBox = new QWidget(m_editor);
    m_timeBox = new QWidget(m_editor);
    SetUpPicker(m_datePicker, m_dateBox, cDateTimePicker::kShortDateCentury, QStringLiteral("dd MMMM yyyy"),
                QFontMetrics(font()).horizontalAdvance(QStringLiteral("00 сентября 0000")) + 40);
    SetUpPicker(m_timePicker, m_timeBox, cDateTimePicker::kUpDown, QStringLiteral("HH:mm"),
                QFontMetrics(font()).horizontalAdvance(QStringLiteral("00:00")) + 40);
    connect(&m_datePicker, &cDateTimePicker::Change, this, &DiaryWindow::editorChanged);
    connect(&m_timePicker, &cDateTimePicker::Change, this, &DiaryWindow::editorChanged);

    m_vividness = new QComboBox(m_editor);
    for (int vividness = kLeastVividness; vividness <= kMostVividness; ++vividness)
        m_vividness->addItem(VividnessText(vividness), vividness);
    m_vividness->setToolTip(QStringLiteral("Насколько ярким и отчётливым был сон"));
    connect(m_vividness, &QComboBox::activated, this, &DiaryWindow::editorChanged);

    m_tags = new QLineEdit(m_editor);
    m_tags->setPlaceholderText(QStringLiteral("через запятую: полёт, дом, море"));
    connect(m_tags, &QLineEdit::textEdited, this, &DiaryWindow::editorChanged);

    m_text = new QPlainTextEdit(m_editor);
    m_text->setPlaceholderText(QStringLiteral("Запишите сон, пока он не забылся: что видели, кого, что чувствовали."));
    connect(m_text, &QPlainTextEdit::textChanged, this, &DiaryWindow::editorChanged);
}

void DiaryWindow::createReading()
{
    m_reading = new QTextBrowser(this);
    m_reading->setOpenLinks(false);
    m_reading->setToolTip(QString());
    connect(m_reading, &QTextBrowser::anchorClicked, this, [this](const QUrl &link) {
        const QString headword = LinkedHeadword(link);
        if (!headword.isEmpty())
            emit wordActivated(headword);
    });
    m_status = new QLabel(this);
    m_status->setWordWrap(true);
}

void DiaryWindow::layOut()
{
    auto *listPane = new QWidget(this);
    auto *listColumn = new QVBoxLayout(listPane);
    listColumn->setContentsMargins(0, 0, 0, 0);
    listColumn->addWidget(m_search);
    listColumn->addWidget(m_list, 1);
    listColumn->addWidget(m_count);

    auto *moment = new QHBoxLayout;
    moment->addWidget(m_dateBox);
    moment->addWidget(m_timeBox);
    moment->addStretch(1);
    auto *fields = new QFormLayout;
    fields->setContentsMargins(0, 0, 0, 0);
    fields->addRow(QStringLiteral("Сон:"), m_title);
    fields->addRow(QStringLiteral("Когда приснился:"), moment);
    fields->addRow(QStringLiteral("Яркость:"), m_vividness);
    fields->addRow(QStringLiteral("Метки:"), m_tags);
    auto *editorColumn = new QVBoxLayout(m_editor);
    editorColumn->setContentsMargins(0, 0, 0, 0);
    editorColumn->addLayout(fields);
    editorColumn->addWidget(m_text, 1);

    auto *splitter = new QSplitter(Qt::Horizontal, this);
    splitter->addWidget(listPane);
    splitter->addWidget(m_editor);
    splitter->addWidget(m_reading);
    splitter->setChildrenCollapsible(false);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 4);
    splitter->setStretchFactor(2, 3);
    splitter->setSizes({290, 380, 290});

    auto *window = new QVBoxLayout(this);
    window->addWidget(m_toolBar);
    window->addWidget(splitter, 1);
    window->addWidget(m_status);
    resize(1000, 620);
}

void DiaryWindow::setLinker(std::shared_ptr<const HeadwordLinker> linker)
{
    // The logic reads through the old linker until it has the new one.
    const std::shared_ptr<const HeadwordLinker> previous = std::exchange(m_linker, std::move(linker));
    m_logic->setLinker(*m_linker);
}

void DiaryWindow::setHeadwords(const std::vector<QString> &headwords)
{
    auto linker = std::make_shared<HeadwordLinker>();
    linker->build(headwords);
    setLinker(std::move(linker));
}

void DiaryWindow::setTown(const UserLocation &town)
{
    if (town.cityName == m_town.cityName && town.latitude() == m_town.latitude()
        && town.longitude() == m_town.longitude())
        return;
    m_town = town;
    auto calendar = std::make_unique<DreamCalendar>(town, m_offset);
    m_logic->setCalendar(*calendar);
    m_calendar = std::move(calendar);
}

QList<qint64> DiaryWindow::selectedIds() const
{
    QList<int> rows;
    for (const QModelIndex &index : m_list->selectionModel()->selectedRows())
        rows << index.row();
    std::sort(rows.begin(), rows.end());
    QList<qint64> ids;
    for (int row : rows)
        ids << m_model->idAt(row);
    return ids;
}

void DiaryWindow::showList()
{
    m_model->setEntries(m_logic->listed());
    selectCurrent();
    updateCount();
    updateActions();
}

void DiaryWindow::showRow(int row)
{
    if (row < m_logic->listed().size())
        m_model->updateEntry(row, m_logic->listed()[row]);
}

void DiaryWindow::showEntry()
{
    const DiaryEntry &entry = m_logic->current();
    m_filling = true;
    m_title->setText(entry.title);
    m_datePicker.setValue(entry.moment);
    m_timePicker.setValue(entry.moment);
    m_vividness->setCurrentIndex(m_vividness->findData(entry.vividness));
    m_tags->setText(TagsToText(entry.tags));
    m_text->setPlainText(entry.text);
    m_filling = false;
    const bool writable = m_logic->isWritable();
    for (QLineEdit *edit : {m_title, m_tags})
        edit->setReadOnly(!writable);
    m_text->setReadOnly(!writable);
    m_dateBox->setEnabled(writable);
    m_timeBox->setEnabled(writable);
    m_vividness->setEnabled(writable);
    selectCurrent();
}

void DiaryWindow::selectCurrent()
{
    const int row = m_model->rowOf(m_logic->current().id);
    m_selectingQuietly = true;
    if (row >= 0) {
        const QModelIndex index = m_model->index(row, 0);
        m_list->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        m_list->scrollTo(index);
    } else {
        m_list->selectionModel()->clear();
    }
    m_selectingQuietly = false;
}

void DiaryWindow::showReading()
{
    ReadingContent content;
    content.links = m_logic->links();
    content.booksOn = !m_linker->isEmpty();
    content.calendar = m_logic->calendarReading();
    content.town = m_town.cityName;
    // Typing must not throw the reader back to the top of what they were reading.
    const int scrolled = m_reading->verticalScrollBar()->value();
    m_reading->setHtml(ReadingHtml(content));
    m_reading->verticalScrollBar()->setValue(scrolled);
    markLinkedWords();
}

void DiaryWindow::markLinkedWords()
{
    // Marks follow later typing by themselves; they are only placed on the text that was read.
    QList<QTextEdit::ExtraSelection> marks;
    if (m_text->toPlainText() == m_logic->current().text) {
        for (const WordLink &link : m_logic->links()) {
            QTextEdit::ExtraSelection mark;
            mark.cursor = QTextCursor(m_text->document());
            mark.cursor.setPosition(int(link.position));
            mark.cursor.setPosition(int(link.position + link.length), QTextCursor::KeepAnchor);
            mark.format.setUnderlineStyle(QTextCharFormat::DotLine);
            mark.format.setUnderlineColor(palette().color(QPalette::Link));
            mark.format.setToolTip(link.headword);
            marks << mark;
        }
    }
    m_text->setExtraSelections(marks);
}

void DiaryWindow::listRowChosen(const QModelIndex &current)
{
    if (m_selectingQuietly || !current.isValid())
        return;
    const qint64 id = m_model->idAt(current.row());
    if (id != m_logic->current().id)
        m_logic->open(id);
}

void DiaryWindow::editorChanged()
{
    if (m_filling)
        return;
    DiaryEntry fields;
    fields.moment = QDateTime(m_datePicker.value().date(), m_timePicker.value().time());
    fields.title = m_title->text();
    fields.text = m_text->toPlainText();
    fields.vividness = m_vividness->currentData().toInt();
    fields.tags = TagsFromText(m_tags->text());
    m_logic->edit(fields);
}

void DiaryWindow::updateCount()
{
    const qint64 total = m_logic->totalCount();
    if (m_logic->query().trimmed().isEmpty())
        m_count->setText(QStringLiteral("Записей: %1").arg(total));
    else if (m_logic->listed().isEmpty())
        m_count->setText(QStringLiteral("Ничего не найдено"));
    else
        m_count->setText(QStringLiteral("Найдено: %1 из %2").arg(m_logic->listed().size()).arg(total));
}

void DiaryWindow::updateActions()
{
    const bool writable = m_logic->isWritable();
    const bool selected = m_list->selectionModel()->hasSelection();
    m_new->setEnabled(writable);
    m_delete->setEnabled(writable && selected);
    m_undo->setEnabled(writable && m_logic->canUndo());
    m_import->setEnabled(writable);
    m_exportSelected->setEnabled(selected);
}

void DiaryWindow::deleteSelected()
{
    const QList<qint64> ids = selectedIds();
    if (ids.isEmpty() || !m_logic->isWritable())
        return;
    m_logic->remove(ids);
    setStatus(ids.size() == 1 ? QStringLiteral("Запись удалена. Вернуть её: «Вернуть» или Ctrl+Z в списке.")
                              : QStringLiteral("Удалено записей: %1. Вернуть их: «Вернуть» или Ctrl+Z в списке.")
                                    .arg(ids.size()));
    updateActions();
}

void DiaryWindow::exportEntries(bool selectedOnly)
{
    const QList<qint64> ids = selectedOnly ? selectedIds() : QList<qint64>();
    if (selectedOnly && ids.isEmpty())
        return;
    QString filter = kHtmlFilter;
    QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Экспорт дневника"),
                                                QDir::home().filePath(QStringLiteral("Дневник снов.html")),
                                                kHtmlFilter + QStringLiteral(";;") + kTextFilter, &filter);
    if (path.isEmpty())
        return;
    const bool text = filter == kTextFilter || QFileInfo(path).suffix().compare(QStringLiteral("txt"), Qt::CaseInsensitive) == 0;
    if (QFileInfo(path).suffix().isEmpty())
        path += text ? QStringLiteral(".txt") : QStringLiteral(".html");
    QString error;
    if (!m_logic->exportEntries(ids, text ? ExportFormat::Text : ExportFormat::Html, path, &error)) {
        ShowMessage(this, QMessageBox::Warning, error, QStringLiteral("Экспорт дневника"));
        return;
    }
    setStatus(QStringLiteral("Записи сохранены в файл %1").arg(QDir::toNativeSeparators(path)));
}

void DiaryWindow::importEntries()
{
    const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("Импорт в дневник"), QDir::homePath(),
                                                      kTextFilter + QStringLiteral(";;Все файлы (*)"));
    if (path.isEmpty())
        return;
    QString error;
    const int added = m_logic->importFile(path, &error);
    if (added < 0) {
        ShowMessage(this, QMessageBox::Warning, error, QStringLiteral("Импорт в дневник"));
        return;
    }
    setStatus(added == 0 ? QStringLiteral("Новых записей в файле нет: все они уже есть в дневнике.")
                         : QStringLiteral("Добавлено записей: %1").arg(added));
}

void DiaryWindow::saveFailed(const QString &message)
{
    setStatus(QStringLiteral("Запись не сохранена: %1").arg(message));
}

void DiaryWindow::setStatus(const QString &text)
{
    m_status->setText(text);
    m_status->setVisible(!text.isEmpty());
}

void DiaryWindow::closeForExit()
{
    if (!m_logic->saveCurrent()) {
        const QString aside = m_logic->saveDraftAside({QFileInfo(m_store->path()).absolutePath(), QDir::homePath()});
        const QString problem = QStringLiteral("Запись не удалось сохранить в дневник: %1").arg(m_logic->saveError());
        ShowMessage(this, QMessageBox::Warning,
                    aside.isEmpty() ? problem
                                    : QStringLiteral("%1\n\nЕё текст сохранён в файле\n%2\nЕго можно вернуть в дневник "
                                                     "командой «Импорт».")
                                          .arg(problem, QDir::toNativeSeparators(aside)),
                    QStringLiteral("Дневник сновидений"));
    }
    m_closingAnyway = true;
    close();
}

void DiaryWindow::closeEvent(QCloseEvent *event)
{
    if (!m_closingAnyway && !m_logic->saveCurrent()) {
        // The text stays on the screen rather than vanish with the window.
        ShowMessage(this, QMessageBox::Warning,
                    QStringLiteral("Запись не сохранена: %1\nОкно дневника останется открытым, чтобы текст не пропал; "
                                   "скопируйте его, если место для дневника так и не освободится.")
                        .arg(m_logic->saveError()),
                    QStringLiteral("Дневник сновидений"));
        event->ignore();
        return;
    }
    emit closed();
    event->accept();
}

}
