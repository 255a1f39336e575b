<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>HelpFileText</name>
    <message>
        <source>ссылка должна иметь вид &lt;a href=&quot;topic:ИМЯ&quot;&gt;</source>
        <translation>a link must look like &lt;a href=&quot;topic:NAME&quot;&gt;</translation>
    </message>
    <message>
        <source>неверное имя темы в ссылке: «%1»</source>
        <translation>invalid topic name in a link: “%1”</translation>
    </message>
    <message>
        <source>тег не закрыт в той же строке</source>
        <translation>a tag is not closed on the same line</translation>
    </message>
    <message>
        <source>недопустимый тег &lt;%1&gt;</source>
        <translation>the tag &lt;%1&gt; is not allowed</translation>
    </message>
    <message>
        <source>тег &lt;%1&gt; не может иметь атрибутов</source>
        <translation>the tag &lt;%1&gt; cannot have attributes</translation>
    </message>
    <message>
        <source>знак &amp; должен начинать допустимую ссылку на символ, например &amp;amp;amp;</source>
        <translation>the &amp; sign must start a valid character reference, such as &amp;amp;amp;</translation>
    </message>
    <message>
        <source>файл не в кодировке UTF-8</source>
        <translation>the file is not in UTF-8 encoding</translation>
    </message>
    <message>
        <source>нет первой строки «VORN-HELP 1»</source>
        <translation>the first line “VORN-HELP 1” is missing</translation>
    </message>
    <message>
        <source>неизвестная версия формата: %1</source>
        <translation>unknown format version: %1</translation>
    </message>
    <message>
        <source>у темы «%1» нет строки @title</source>
        <translation>the topic “%1” has no @title line</translation>
    </message>
    <message>
        <source>неверное имя темы: «%1»</source>
        <translation>invalid topic name: “%1”</translation>
    </message>
    <message>
        <source>тема «%1» уже есть в файле</source>
        <translation>the topic “%1” is already in the file</translation>
    </message>
    <message>
        <source>строка до первой темы: %1</source>
        <translation>a line before the first topic: %1</translation>
    </message>
    <message>
        <source>строка @ в тексте темы (пишите &amp;#64;): %1</source>
        <translation>an @ line in the text of a topic (write &amp;#64;): %1</translation>
    </message>
    <message>
        <source>второй заголовок темы</source>
        <translation>a second title for the topic</translation>
    </message>
    <message>
        <source>пустой заголовок темы</source>
        <translation>an empty topic title</translation>
    </message>
    <message>
        <source>пустое ключевое слово</source>
        <translation>an empty keyword</translation>
    </message>
    <message>
        <source>неизвестная строка: %1</source>
        <translation>unknown line: %1</translation>
    </message>
    <message>
        <source>текст до первой темы</source>
        <translation>text before the first topic</translation>
    </message>
    <message>
        <source>в файле нет ни одной темы</source>
        <translation>the file has no topics</translation>
    </message>
    <message>
        <source>Файл справки не найден:
%1</source>
        <translation>The help file was not found:
%1</translation>
    </message>
    <message>
        <source>Файл справки не удаётся прочитать:
%1
Это не файл.</source>
        <translation>The help file cannot be read:
%1
It is not a file.</translation>
    </message>
    <message>
        <source>Файл справки повреждён:
%1
Файл слишком велик.</source>
        <translation>The help file is damaged:
%1
The file is too large.</translation>
    </message>
    <message>
        <source>Файл справки не удаётся прочитать:
%1
%2</source>
        <translation>The help file cannot be read:
%1
%2</translation>
    </message>
    <message>
        <source>Файл справки повреждён:
%1
Строка %2: %3.</source>
        <translation>The help file is damaged:
%1
Line %2: %3.</translation>
    </message>
    <message>
        <source>Файл справки повреждён:
%1
%2.</source>
        <translation>The help file is damaged:
%1
%2.</translation>
    </message>
    <message>
        <source>тема «%1» ссылается на несуществующую тему «%2»</source>
        <translation>the topic “%1” links to the missing topic “%2”</translation>
    </message>
</context>
<context>
    <name>vorn::CircuitDocument</name>
    <message>
        <source>Новый</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Открыт</source>
        <translation>Opened</translation>
    </message>
    <message>
        <source>Изменено</source>
        <translation>Modified</translation>
    </message>
    <message>
        <source>Сохранено</source>
        <translation>Saved</translation>
    </message>
    <message>
        <source>Новая схема</source>
        <translation>New circuit</translation>
    </message>
</context>
<context>
    <name>vorn::ElementNameDialog</name>
    <message>
        <source>От 1 до 12 букв, цифр или знаков «_». Пустое поле убирает имя.</source>
        <translation>1 to 12 letters, digits or “_” signs. An empty field removes the name.</translation>
    </message>
</context>
<context>
    <name>vorn::ErrorReporter</name>
    <message>
        <source> Пожалуста опишите ваши действия, повлекшие ошибку, также прикрипите к телу письма файл схем, который был запущен (если был запущен).</source>
        <translation> Please describe what you did before the error happened, and attach to this message the circuit file that was running (if one was).</translation>
    </message>
    <message>
        <source>Cообщить об ошибке</source>
        <translation>Report the error</translation>
    </message>
</context>
<context>
    <name>vorn::HelpViewer</name>
    <message>
        <source>Справка</source>
        <translation>Help</translation>
    </message>
</context>
<context>
    <name>vorn::HelpWindow</name>
    <message>
        <source>Справка</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>&amp;Содержание</source>
        <translation>&amp;Contents</translation>
    </message>
    <message>
        <source>&amp;Назад</source>
        <translation>&amp;Back</translation>
    </message>
</context>
<context>
    <name>vorn::PictureOptionsDialog</name>
    <message>
        <source>Экспорт рисунка</source>
        <translation>Export picture</translation>
    </message>
    <message>
        <source>Масштаб рисунка:</source>
        <translation>Picture scale:</translation>
    </message>
    <message>
        <source>Цвета сигналов (схема запущена)</source>
        <translation>Signal colours (circuit running)</translation>
    </message>
</context>
<context>
    <name>vorn::PrintScaleTab</name>
    <message>
        <source>Масштаб</source>
        <translation>Scale</translation>
    </message>
    <message>
        <source>Как на экране</source>
        <translation>As on the screen</translation>
    </message>
    <message>
        <source>Вписать в страницу</source>
        <translation>Fit to the page</translation>
    </message>
</context>
<context>
    <name>vorn::RecoveryKeeper</name>
    <message>
        <source>Ошибка записи.</source>
        <translation>Write error.</translation>
    </message>
    <message>
        <source>Копия несохранённой схемы не записана в папку «%1». %2 Восстановление после сбоя выключено до следующего запуска программы; работать со схемой можно дальше.</source>
        <translation>The copy of the unsaved circuit was not written to the folder “%1”. %2 Recovery after a crash is off until the program is started again; you can go on working with the circuit.</translation>
    </message>
</context>
<context>
    <name>vorn::SenderNameDialog</name>
    <message>
        <source>Введите имя отправителя (меньше 20 символов)</source>
        <translation>Enter the sender’s name (fewer than 20 characters)</translation>
    </message>
    <message>
        <source>Предпросмотр</source>
        <translation>Preview</translation>
    </message>
</context>
<context>
    <name>vorn::TAbout</name>
    <message>
        <source>Физическая память: %1 КБ. Свободно: %2 КБ.</source>
        <translation>Physical memory: %1 KB. Free: %2 KB.</translation>
    </message>
    <message>
        <source>    Программа предназначенна для тех кто хочет научиться строить простые схемы на 
основе цифровых микросхем. Так же программа может применяться в учебных 
заведениях для изучения темы &quot;Логика&quot; (булевая алгебра).
    Программа, при необходимости, обучит вас основам логики, проведёт тест на 
закрепление знаний, покажет как и что работает и как строить и тестировать схемы.</source>
        <translation>    The program is for anyone who wants to learn to build simple circuits from 
digital logic chips. Schools can also use it to teach the topic &quot;Logic&quot; 
(Boolean algebra).
    When you need it, the program teaches you the basics of logic, gives you a test 
to check what you have learnt, and shows how things work and how to build and test circuits.</translation>
    </message>
    <message>
        <source>О программе...</source>
        <translation>About...</translation>
    </message>
    <message>
        <source>Связаться со мной можно:</source>
        <translation>You can reach me at:</translation>
    </message>
    <message>
        <source>© Авторы Vorn, 2026</source>
        <translation>© The Vorn authors, 2026</translation>
    </message>
</context>
<context>
    <name>vorn::TOpt</name>
    <message>
        <source>Если стоит галочка, то  это имя будет указано в верху напечатанной  схемы.</source>
        <translation>When the box is ticked, this name is printed at the top of the printed circuit.</translation>
    </message>
    <message>
        <source>Удобно при использовании программы в учебных заведениях при распечатке на сетевом принтере, тогда проверка какой-нибудь контрольной сводится к проверке распечатанных документов (можно установить виртуальный принтер для экономии бумаги).</source>
        <translation>This is handy in schools that print on a network printer: marking a test then comes down to checking the printed pages (a virtual printer can be installed to save paper).</translation>
    </message>
    <message>
        <source>Настройки программы</source>
        <translation>Program settings</translation>
    </message>
    <message>
        <source>Общии</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Цвета</source>
        <translation>Colours</translation>
    </message>
    <message>
        <source>Общие</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Запускать мастера обучения при старте</source>
        <translation>Start the tutorial wizard at start-up</translation>
    </message>
    <message>
        <source>Прокручивать скролом на</source>
        <translation>Scroll with the wheel by</translation>
    </message>
    <message>
        <source>Коэфициент при прокрутке с  Shift&apos;ом</source>
        <translation>Factor when scrolling with Shift</translation>
    </message>
    <message>
        <source>Печатать имя отправителя.</source>
        <translation>Print the sender’s name.</translation>
    </message>
    <message>
        <source>Подробнее...</source>
        <translation>More...</translation>
    </message>
    <message>
        <source>Иконка для *.vfl файлов</source>
        <translation>Icon for *.vfl files</translation>
    </message>
    <message>
        <source>Ассоциировать файлы *.vfl c vorn</source>
        <translation>Associate *.vfl files with Vorn</translation>
    </message>
    <message>
        <source>Цвет проводов</source>
        <translation>Wire colour</translation>
    </message>
    <message>
        <source>Цвет проводов &quot;0&quot;</source>
        <translation>Colour of &quot;0&quot; wires</translation>
    </message>
    <message>
        <source>Цвет проводов &quot;1&quot;</source>
        <translation>Colour of &quot;1&quot; wires</translation>
    </message>
    <message>
        <source>Цвет горящей лампочки</source>
        <translation>Colour of a lit lamp</translation>
    </message>
    <message>
        <source>Вернуть стандартные цвета</source>
        <translation>Restore the standard colours</translation>
    </message>
    <message>
        <source>Шагов отмены</source>
        <translation>Undo steps</translation>
    </message>
    <message>
        <source>Копия для восстановления, сек.</source>
        <translation>Recovery copy, seconds</translation>
    </message>
    <message>
        <source>нет</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Палитра для дальтоников</source>
        <translation>Colour-blind palette</translation>
    </message>
    <message>
        <source>Заливать горящие лампочки</source>
        <translation>Fill lit lamps</translation>
    </message>
    <message>
        <source>Толстые провода с сигналом &quot;1&quot;</source>
        <translation>Thick wires carrying &quot;1&quot;</translation>
    </message>
    <message>
        <source>Язык интерфейса</source>
        <translation>Interface language</translation>
    </message>
    <message>
        <source>Как в системе</source>
        <translation>As in the system</translation>
    </message>
    <message>
        <source>Русский</source>
        <translation>Russian</translation>
    </message>
    <message>
        <source>Язык сменится при следующем запуске программы.</source>
        <translation>The language changes the next time the program starts.</translation>
    </message>
</context>
<context>
    <name>vorn::TaskDialog</name>
    <message>
        <source>источники</source>
        <translation>sources</translation>
    </message>
    <message>
        <source>лампочки</source>
        <translation>lamps</translation>
    </message>
    <message>
        <source>инверторы</source>
        <translation>inverters (NOT)</translation>
    </message>
    <message>
        <source>конъюнкторы</source>
        <translation>conjunctors (AND)</translation>
    </message>
    <message>
        <source>дизъюнкторы</source>
        <translation>disjunctors (OR)</translation>
    </message>
    <message>
        <source>Заголовок:</source>
        <translation>Title:</translation>
    </message>
    <message>
        <source>Текст задания:</source>
        <translation>Task text:</translation>
    </message>
    <message>
        <source>Проверять лампочки</source>
        <translation>Lamps to check</translation>
    </message>
    <message>
        <source>Ученик может ставить</source>
        <translation>The pupil may place</translation>
    </message>
    <message>
        <source>не ограничено</source>
        <translation>no limit</translation>
    </message>
    <message>
        <source>Вентилей не больше:</source>
        <translation>Gates at most:</translation>
    </message>
    <message>
        <source>Источники и лампочки задания нельзя стирать, передвигать и переименовывать</source>
        <translation>The task’s sources and lamps cannot be erased, moved or renamed</translation>
    </message>
    <message>
        <source>Оставить в задании остальную часть схемы</source>
        <translation>Keep the rest of the circuit in the task</translation>
    </message>
</context>
<context>
    <name>vorn::TaskWindow</name>
    <message>
        <source>Задание</source>
        <translation>Task</translation>
    </message>
    <message>
        <source>Проверить</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>Проверить схему по заданию (Ctrl+F9)</source>
        <translation>Check the circuit against the task (Ctrl+F9)</translation>
    </message>
    <message>
        <source>Соберите схему и нажмите «Проверить» или Ctrl+F9.</source>
        <translation>Build the circuit and press “Check” or Ctrl+F9.</translation>
    </message>
</context>
<context>
    <name>vorn::Tmain</name>
    <message>
        <source>%1  —  учебная программа по алгебре логики. © Авторы Vorn</source>
        <translation>%1  —  a learning program for the algebra of logic. © The Vorn authors</translation>
    </message>
    <message>
        <source>Запись ролика</source>
        <translation>Recording a clip</translation>
    </message>
    <message>
        <source>Сохранить ролик</source>
        <translation>Save the clip</translation>
    </message>
    <message>
        <source>Ролики (*.txt)</source>
        <translation>Clips (*.txt)</translation>
    </message>
    <message>
        <source>Не удалось записать ролик в файл %1: %2</source>
        <translation>Could not write the clip to the file %1: %2</translation>
    </message>
    <message>
        <source>Файл с таким именем не найден или не является файлом схем. Повторите попытку.</source>
        <translation>No file of that name was found, or it is not a circuit file. Please try again.</translation>
    </message>
    <message>
        <source>Ошибка в файле: программа не может открыть файл.</source>
        <translation>Error in the file: the program cannot open it.</translation>
    </message>
    <message>
        <source>Параметры командной строки заданы не верно.</source>
        <translation>The command-line parameters are wrong.</translation>
    </message>
    <message>
        <source>Вывести справку</source>
        <translation>Show help</translation>
    </message>
    <message>
        <source>Схема не сохранена в файл «%1». %2 Повторите попытку.</source>
        <translation>The circuit was not saved to the file “%1”. %2 Please try again.</translation>
    </message>
    <message>
        <source>Схема не сохранена. Изменения будут утеряны. Сохранить?</source>
        <translation>The circuit has not been saved. Your changes will be lost. Save it?</translation>
    </message>
    <message>
        <source>Открыть ...</source>
        <translation>Open ...</translation>
    </message>
    <message>
        <source>Сохранить как...</source>
        <translation>Save as...</translation>
    </message>
    <message>
        <source>Имя файла или его расширение имеет слишком большую длину. Повторите попытку.</source>
        <translation>The file name or its extension is too long. Please try again.</translation>
    </message>
    <message>
        <source>Файл с таким именем уже существует. Перезаписать?</source>
        <translation>A file with this name already exists. Overwrite it?</translation>
    </message>
    <message>
        <source>Рабочее поле</source>
        <translation>Work area</translation>
    </message>
    <message>
        <source>Рисунок PNG (*.png)</source>
        <translation>PNG picture (*.png)</translation>
    </message>
    <message>
        <source>Рисунок SVG (*.svg)</source>
        <translation>SVG picture (*.svg)</translation>
    </message>
    <message>
        <source>Документ PDF (*.pdf)</source>
        <translation>PDF document (*.pdf)</translation>
    </message>
    <message>
        <source>На поле нет схемы: рисовать нечего.</source>
        <translation>There is no circuit on the field: nothing to draw.</translation>
    </message>
    <message>
        <source>Экспорт рисунка</source>
        <translation>Export picture</translation>
    </message>
    <message>
        <source>Не удалось записать рисунок в файл %1: %2</source>
        <translation>Could not write the picture to the file %1: %2</translation>
    </message>
    <message>
        <source>Опции                       Alt+O</source>
        <translation>Options                      Alt+O</translation>
    </message>
    <message>
        <source>Запуск мастера      Ctrl+M</source>
        <translation>Tutorial wizard      Ctrl+M</translation>
    </message>
    <message>
        <source>О программе           Alt+F1</source>
        <translation>About                      Alt+F1</translation>
    </message>
    <message>
        <source>Помощь                          F1</source>
        <translation>Help                             F1</translation>
    </message>
    <message>
        <source>&amp;Файл</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Новый</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>&amp;Открыть</source>
        <translation>&amp;Open</translation>
    </message>
    <message>
        <source>&amp;Сохранить</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Сохранить &amp;как...</source>
        <translation>Save &amp;as...</translation>
    </message>
    <message>
        <source>&amp;Закрыть</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Напечатать схему</source>
        <translation>Print the circuit</translation>
    </message>
    <message>
        <source>Экспорт рисунка…</source>
        <translation>Export picture…</translation>
    </message>
    <message>
        <source>В&amp;ыход</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>&amp;Правка</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Отменить</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>&amp;Повторить</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>Обновить</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>&amp;Инструменты</source>
        <translation>&amp;Tools</translation>
    </message>
    <message>
        <source>Показать/скрыть &amp;панель инструментов</source>
        <translation>Show/hide the tool&amp;bar</translation>
    </message>
    <message>
        <source>&amp;Запуск</source>
        <translation>&amp;Run</translation>
    </message>
    <message>
        <source>&amp;Запустить/остановить</source>
        <translation>&amp;Start/stop</translation>
    </message>
    <message>
        <source>&amp;Проверка</source>
        <translation>&amp;Check</translation>
    </message>
    <message>
        <source>&amp;Таблица истинности</source>
        <translation>&amp;Truth table</translation>
    </message>
    <message>
        <source>&amp;Опции</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Настройки программы</source>
        <translation>Program &amp;settings</translation>
    </message>
    <message>
        <source>Увеличение &amp;1 (50%)</source>
        <translation>Zoom &amp;1 (50%)</translation>
    </message>
    <message>
        <source>Увеличение &amp;2 (100%)</source>
        <translation>Zoom &amp;2 (100%)</translation>
    </message>
    <message>
        <source>Увеличение &amp;3 (150%)</source>
        <translation>Zoom &amp;3 (150%)</translation>
    </message>
    <message>
        <source>&amp;Справка</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Помощь</source>
        <translation>Help contents</translation>
    </message>
    <message>
        <source>Запустить мастера обучения работе с программой</source>
        <translation>Start the tutorial wizard</translation>
    </message>
    <message>
        <source>&amp;О программе ...</source>
        <translation>&amp;About ...</translation>
    </message>
    <message>
        <source>Переместить объект</source>
        <translation>Move object</translation>
    </message>
    <message>
        <source>Удалить объект</source>
        <translation>Delete object</translation>
    </message>
    <message>
        <source>Назвать…</source>
        <translation>Name…</translation>
    </message>
    <message>
        <source>Вывести справку по объекту</source>
        <translation>Help on this object</translation>
    </message>
    <message>
        <source>Увеличение 1 (50%)</source>
        <translation>Zoom 1 (50%)</translation>
    </message>
    <message>
        <source>Увеличение 2 (100%)</source>
        <translation>Zoom 2 (100%)</translation>
    </message>
    <message>
        <source>Увеличение 3 (150%)</source>
        <translation>Zoom 3 (150%)</translation>
    </message>
    <message>
        <source>&amp;Проверить</source>
        <translation>&amp;Check</translation>
    </message>
    <message>
        <source>Введите имя лампочки</source>
        <translation>Enter the name of the lamp</translation>
    </message>
    <message>
        <source>Введите имя источника</source>
        <translation>Enter the name of the source</translation>
    </message>
    <message>
        <source>Такое имя не подходит. Имя — это от 1 до 12 букв, цифр или знаков «_»; «не», «0» и «1» именами быть не могут.</source>
        <translation>This name will not do. A name is 1 to 12 letters, digits or “_” signs; “не” (not), “0” and “1” cannot be names.</translation>
    </message>
    <message>
        <source>Имя «%1» уже носит другой элемент схемы.</source>
        <translation>Another element of the circuit already has the name “%1”.</translation>
    </message>
    <message>
        <source>Здесь нет ни источника, ни лампочки.</source>
        <translation>There is no source or lamp here.</translation>
    </message>
    <message>
        <source>Удалить %1</source>
        <translation>Delete %1</translation>
    </message>
    <message>
        <source>Переместить %1</source>
        <translation>Move %1</translation>
    </message>
    <message>
        <source>Не удалось начать печать: принтер или файл недоступен.</source>
        <translation>Could not start printing: the printer or the file is not available.</translation>
    </message>
    <message>
        <source>Файл «%1» не найден. Он убран из списка последних файлов.</source>
        <translation>The file “%1” was not found. It has been taken off the list of recent files.</translation>
    </message>
    <message>
        <source>Восстановить несохранённую схему «%1» от %2?</source>
        <translation>Restore the unsaved circuit “%1” of %2?</translation>
    </message>
    <message>
        <source>Новая схема</source>
        <translation>New circuit</translation>
    </message>
    <message>
        <source> Запущено </source>
        <translation> Running </translation>
    </message>
    <message>
        <source>&amp;Вырезать</source>
        <translation>Cu&amp;t</translation>
    </message>
    <message>
        <source>&amp;Копировать</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>Вст&amp;авить</source>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <source>&amp;Удалить</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>Сохранить как за&amp;дание…</source>
        <translation>Save as &amp;task…</translation>
    </message>
    <message>
        <source>Готовые задания…</source>
        <translation>Ready-made tasks…</translation>
    </message>
    <message>
        <source>Ваша схема не проходит это задание:
%1Всё равно сохранить задание?</source>
        <translation>Your circuit does not pass this task:
%1Save the task all the same?</translation>
    </message>
    <message>
        <source>Сохранить как задание...</source>
        <translation>Save as task...</translation>
    </message>
    <message>
        <source>Задание сохранено в файл «%1».</source>
        <translation>The task was saved to the file “%1”.</translation>
    </message>
    <message>
        <source>Задание не сохранено в файл «%1». %2 Повторите попытку.</source>
        <translation>The task was not saved to the file “%1”. %2 Please try again.</translation>
    </message>
    <message>
        <source>Готовые задания</source>
        <translation>Ready-made tasks</translation>
    </message>
    <message>
        <source>Провод</source>
        <translation>Wire</translation>
    </message>
    <message>
        <source>&amp;Провода и паяльник</source>
        <translation>&amp;Wires and soldering iron</translation>
    </message>
    <message>
        <source>Источник</source>
        <translation>Source</translation>
    </message>
    <message>
        <source>&amp;Источник</source>
        <translation>&amp;Source</translation>
    </message>
    <message>
        <source>Лампочка</source>
        <translation>Lamp</translation>
    </message>
    <message>
        <source>&amp;Лампочка</source>
        <translation>&amp;Lamp</translation>
    </message>
    <message>
        <source>Инвертор</source>
        <translation>Inverter</translation>
    </message>
    <message>
        <source>Инвектор</source>
        <translation>Inverter</translation>
    </message>
    <message>
        <source>&amp;Инвертор</source>
        <translation>&amp;Inverter</translation>
    </message>
    <message>
        <source>Конъюнктор</source>
        <translation>Conjunctor</translation>
    </message>
    <message>
        <source>&amp;Конъюнктор</source>
        <translation>&amp;Conjunctor</translation>
    </message>
    <message>
        <source>Дизъюнктор</source>
        <translation>Disjunctor</translation>
    </message>
    <message>
        <source>&amp;Дизъюнктор</source>
        <translation>&amp;Disjunctor</translation>
    </message>
    <message>
        <source>Убрать</source>
        <translation>Eraser</translation>
    </message>
    <message>
        <source>&amp;Убрать</source>
        <translation>&amp;Eraser</translation>
    </message>
    <message>
        <source>Выделение</source>
        <translation>Selection</translation>
    </message>
    <message>
        <source>&amp;Выделение</source>
        <translation>Selec&amp;tion</translation>
    </message>
</context>
<context>
    <name>vorn::Tmaster</name>
    <message>
        <source>Введение</source>
        <translation>Introduction</translation>
    </message>
    <message>
        <source>Элементы логики высказываний</source>
        <translation>Elements of propositional logic</translation>
    </message>
    <message>
        <source>Формулы алгебры высказываний. Таблицы истинности</source>
        <translation>Formulas of propositional algebra. Truth tables</translation>
    </message>
    <message>
        <source>Основные законы алгебры логики</source>
        <translation>The basic laws of the algebra of logic</translation>
    </message>
    <message>
        <source>Построение формул алгебры высказываний по заданной таблице истинности</source>
        <translation>Building a formula of propositional algebra from a given truth table</translation>
    </message>
    <message>
        <source>Тестирование</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Обучение работе с программой</source>
        <translation>Learning to use the program</translation>
    </message>
    <message>
        <source>Как работать с программой?</source>
        <translation>How do I work with the program?</translation>
    </message>
    <message>
        <source>Показ роликов</source>
        <translation>Watching the clips</translation>
    </message>
    <message>
        <source>Мастер обучения работе с программой</source>
        <translation>Tutorial wizard</translation>
    </message>
    <message>
        <source>Вас приветствует мастер работы с программой</source>
        <translation>Welcome to the tutorial wizard</translation>
    </message>
    <message>
        <source>Проверить</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>Содержание</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>&lt; Назад</source>
        <translation>&lt; Back</translation>
    </message>
    <message>
        <source>Далее &gt;</source>
        <translation>Next &gt;</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Имеется 5 вопросов и задач, а также ответы на них. Отметьте ответы, которые вы считаете  верными</source>
        <translation>Here are 5 questions and problems, each with its answers. Tick the answers you think are right</translation>
    </message>
    <message>
        <source>Не найден файл: %1</source>
        <translation>File not found: %1</translation>
    </message>
    <message>
        <source>Переустановка программы может решить эту проблему.</source>
        <translation>Installing the program again may solve this problem.</translation>
    </message>
    <message>
        <source>Ответьте на все вопросы!</source>
        <translation>Please answer every question!</translation>
    </message>
    <message>
        <source>1. Принцип построения и работы простейших схем.</source>
        <translation>1. How the simplest circuits are built and how they work.</translation>
    </message>
    <message>
        <source>2. Постройка схемы по формуле ((A+(не B))((не A)(A+B))).</source>
        <translation>2. Building a circuit from the formula ((A+(not B))((not A)(A+B))).</translation>
    </message>
    <message>
        <source>3. Постройка полусумматора</source>
        <translation>3. Building a half adder</translation>
    </message>
    <message>
        <source>4. Постройка схемы по формуле ((не A)*B+(не B)*A)+не(AB)</source>
        <translation>4. Building a circuit from the formula ((not A)*B+(not B)*A)+not(AB)</translation>
    </message>
    <message>
        <source>  Далее приведены несколько примеров построения схем. Внимательно просмотрите их. Они помогут 
вам научиться правильно работаться с программой. 
  Во время просмотра роликов не рекомендуется нажимать клавиши (кроме Esc), а также двигать и 
щелкать мышкой. 
  Для временной остановки ролика нажмите клавишу Esc или Ctrl+M. Для полной остановки нажмите 
кнопку 
Stop. Для продолжения просмотра нажмите кнопку Play у соответствующего ролика.</source>
        <translation>  Below are a few examples of how circuits are built. Watch them closely: they will 
help you learn to work with the program properly. 
  While a clip plays, it is best not to press any keys (except Esc) and not to move 
or click the mouse. 
  To pause a clip, press Esc or Ctrl+M. To stop it altogether, press its 
Stop button. To go on watching, press the Play button of that clip.</translation>
    </message>
    <message>
        <source>Ролик %1</source>
        <translation>Clip %1</translation>
    </message>
</context>
<context>
    <name>vorn::TruthTableWindow</name>
    <message>
        <source>Таблица истинности</source>
        <translation>Truth table</translation>
    </message>
    <message>
        <source>Щелчок по строке ставит источники в её положение</source>
        <translation>A click on a row sets the sources as in that row</translation>
    </message>
    <message>
        <source>Формулы</source>
        <translation>Formulas</translation>
    </message>
    <message>
        <source>Копировать</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Копировать выделенные формулы, а если ничего не выделено, то все</source>
        <translation>Copy the selected formulas, or all of them when nothing is selected</translation>
    </message>
    <message>
        <source>Предупреждения</source>
        <translation>Warnings</translation>
    </message>
    <message>
        <source>Источников в схеме: %1. Таблица истинности строится не больше чем для %2 источников: уберите лишние, чтобы её увидеть.</source>
        <translation>Sources in the circuit: %1. A truth table is built for at most %2 sources: remove the extra ones to see it.</translation>
    </message>
    <message>
        <source>В схеме нет источников.</source>
        <translation>The circuit has no sources.</translation>
    </message>
    <message>
        <source>В схеме нет лампочек.</source>
        <translation>The circuit has no lamps.</translation>
    </message>
    <message>
        <source>Предупреждений нет.</source>
        <translation>No warnings.</translation>
    </message>
    <message>
        <source>В схеме нет лампочек: формулы описывают лампочки.</source>
        <translation>The circuit has no lamps: the formulas describe lamps.</translation>
    </message>
    <message>
        <source>Минимальная форма:</source>
        <translation>Minimal form:</translation>
    </message>
    <message>
        <source>СДНФ:</source>
        <translation>Canonical DNF:</translation>
    </message>
    <message>
        <source>%1: %2 слагаемых — слишком длинная формула, чтобы её показать
</source>
        <translation>%1: %2 terms — too long a formula to show
</translation>
    </message>
    <message>
        <source>СКНФ:</source>
        <translation>Canonical CNF:</translation>
    </message>
    <message>
        <source>%1: %2 множителей — слишком длинная формула, чтобы её показать
</source>
        <translation>%1: %2 factors — too long a formula to show
</translation>
    </message>
</context>
<context>
    <name>vorn::VornApplication</name>
    <message>
        <source>Справка - %1</source>
        <translation>Help - %1</translation>
    </message>
</context>
</TS>
