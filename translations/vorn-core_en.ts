<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>CircuitWarnings</name>
    <message>
        <source>двух</source>
        <translation>two</translation>
    </message>
    <message>
        <source>трёх</source>
        <translation>three</translation>
    </message>
    <message>
        <source>четырёх</source>
        <translation>four</translation>
    </message>
    <message>
        <source>%1 источников</source>
        <translation>%1 sources</translation>
    </message>
    <message>
        <source>%1 выходов элементов</source>
        <translation>%1 element outputs</translation>
    </message>
    <message>
        <source>источника и выхода элемента</source>
        <translation>a source and an element output</translation>
    </message>
    <message>
        <source>%1 источников и выходов элементов</source>
        <translation>%1 sources and element outputs</translation>
    </message>
    <message>
        <source>Провод в узле %1 получает сигнал от %2: его значение зависит от порядка вычисления.</source>
        <translation>The wire at node %1 gets a signal from %2: its value depends on the order of evaluation.</translation>
    </message>
    <message>
        <source>Лампочка в узле %1 получает сигнал от %2: её значение зависит от порядка вычисления.</source>
        <translation>The lamp at node %1 gets a signal from %2: whether it is lit depends on the order of evaluation.</translation>
    </message>
    <message>
        <source>Лампочка в узле %1 не получает сигнала ни при каком положении источников.</source>
        <translation>The lamp at node %1 gets no signal, whatever the positions of the sources.</translation>
    </message>
    <message>
        <source>Вход инвертора в узле %1 не получает сигнала ни при каком положении источников.</source>
        <translation>The inverter&apos;s input at node %1 gets no signal, whatever the positions of the sources.</translation>
    </message>
    <message>
        <source>Вход конъюнктора в узле %1 не получает сигнала ни при каком положении источников.</source>
        <translation>The AND gate&apos;s input at node %1 gets no signal, whatever the positions of the sources.</translation>
    </message>
    <message>
        <source>Вход дизъюнктора в узле %1 не получает сигнала ни при каком положении источников.</source>
        <translation>The OR gate&apos;s input at node %1 gets no signal, whatever the positions of the sources.</translation>
    </message>
    <message>
        <source>источника</source>
        <translation>the source</translation>
    </message>
    <message>
        <source>лампочки</source>
        <translation>the lamp</translation>
    </message>
    <message>
        <source>входа инвертора</source>
        <translation>the inverter&apos;s input</translation>
    </message>
    <message>
        <source>выхода инвертора</source>
        <translation>the inverter&apos;s output</translation>
    </message>
    <message>
        <source>входа конъюнктора</source>
        <translation>the AND gate&apos;s input</translation>
    </message>
    <message>
        <source>выхода конъюнктора</source>
        <translation>the AND gate&apos;s output</translation>
    </message>
    <message>
        <source>входа дизъюнктора</source>
        <translation>the OR gate&apos;s input</translation>
    </message>
    <message>
        <source>выхода дизъюнктора</source>
        <translation>the OR gate&apos;s output</translation>
    </message>
    <message>
        <source>Провод обрывается в узле %1, не доходя одного узла до %2 в узле %3.</source>
        <translation>The wire stops at node %1, one node short of %2 at node %3.</translation>
    </message>
</context>
<context>
    <name>Formula</name>
    <message>
        <source>не </source>
        <translation>¬</translation>
    </message>
</context>
<context>
    <name>FormulaParser</name>
    <message>
        <source>«%1»</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>Позиция %1: </source>
        <translation>Position %1: </translation>
    </message>
    <message>
        <source>формула пуста.</source>
        <translation>the formula is empty.</translation>
    </message>
    <message>
        <source>лишняя закрывающая скобка.</source>
        <translation>an extra closing parenthesis.</translation>
    </message>
    <message>
        <source>ожидается знак операции, а стоит %1.</source>
        <translation>an operation sign is expected, but there is %1.</translation>
    </message>
    <message>
        <source>непонятный знак %1.</source>
        <translation>unknown sign %1.</translation>
    </message>
    <message>
        <source>слишком много вложенных скобок и отрицаний.</source>
        <translation>too many nested parentheses and negations.</translation>
    </message>
    <message>
        <source>не хватает закрывающей скобки к открытой в позиции %1.</source>
        <translation>the parenthesis opened at position %1 is never closed.</translation>
    </message>
    <message>
        <source>формула не закончена: ожидается переменная, 0, 1 или «(».</source>
        <translation>the formula is not finished: a variable, 0, 1 or “(” is expected.</translation>
    </message>
    <message>
        <source>ожидается переменная, 0, 1 или «(», а стоит %1.</source>
        <translation>a variable, 0, 1 or “(” is expected, but there is %1.</translation>
    </message>
    <message>
        <source>текст формулы не в кодировке UTF-8.</source>
        <translation>the formula&apos;s text is not in the UTF-8 encoding.</translation>
    </message>
</context>
<context>
    <name>Grading</name>
    <message>
        <source>Проверено файлов: %1.</source>
        <translation>Files checked: %1.</translation>
    </message>
</context>
<context>
    <name>Objects</name>
    <message>
        <source>Провод</source>
        <translation>Wire</translation>
    </message>
    <message>
        <source>провод</source>
        <translation>wire</translation>
    </message>
    <message>
        <source>Провода</source>
        <translation>Wires</translation>
    </message>
    <message>
        <source>провода</source>
        <translation>wires</translation>
    </message>
    <message>
        <source>Источник</source>
        <translation>Source</translation>
    </message>
    <message>
        <source>источник</source>
        <translation>source</translation>
    </message>
    <message>
        <source>Лампочка</source>
        <translation>Lamp</translation>
    </message>
    <message>
        <source>лампочку</source>
        <translation>lamp</translation>
    </message>
    <message>
        <source>Инвертор</source>
        <translation>Inverter</translation>
    </message>
    <message>
        <source>инвертор</source>
        <translation>inverter</translation>
    </message>
    <message>
        <source>Конъюнктор</source>
        <translation>AND gate</translation>
    </message>
    <message>
        <source>конъюнктор</source>
        <translation>AND gate</translation>
    </message>
    <message>
        <source>Дизъюнктор</source>
        <translation>OR gate</translation>
    </message>
    <message>
        <source>дизъюнктор</source>
        <translation>OR gate</translation>
    </message>
</context>
<context>
    <name>Quiz</name>
    <message>
        <source>Какие из ниже перечисленных операций являются бинарными?</source>
        <translation>Which of the operations below are binary?</translation>
    </message>
    <message>
        <source>Логическое сложение</source>
        <translation>Logical addition</translation>
    </message>
    <message>
        <source>Конъюнкция</source>
        <translation>Conjunction</translation>
    </message>
    <message>
        <source>Отрицание</source>
        <translation>Negation</translation>
    </message>
    <message>
        <source>Импликация</source>
        <translation>Implication</translation>
    </message>
    <message>
        <source>Укажите тождественные конъюнкции высказывания</source>
        <translation>Mark the statements that mean the same as a conjunction</translation>
    </message>
    <message>
        <source>Если A, то B</source>
        <translation>If A, then B</translation>
    </message>
    <message>
        <source>И A, и B</source>
        <translation>Both A and B</translation>
    </message>
    <message>
        <source>A либо B</source>
        <translation>Either A or B</translation>
    </message>
    <message>
        <source>A несмотря на B</source>
        <translation>A, even though B</translation>
    </message>
    <message>
        <source>Какие значения ((не(A+B))+(не(A*B))), при A,B:0,1 и 1,1</source>
        <translation>What values does ((not(A+B))+(not(A*B))) take for A,B = 0,1 and 1,1?</translation>
    </message>
    <message>
        <source>0 и 0</source>
        <translation>0 and 0</translation>
    </message>
    <message>
        <source>0 и 1</source>
        <translation>0 and 1</translation>
    </message>
    <message>
        <source>1 и 0</source>
        <translation>1 and 0</translation>
    </message>
    <message>
        <source>1 и 1</source>
        <translation>1 and 1</translation>
    </message>
    <message>
        <source>Какие значения ((не A)*B)*(A+(не B)), при A,B:0,1 и 1,1</source>
        <translation>What values does ((not A)*B)*(A+(not B)) take for A,B = 0,1 and 1,1?</translation>
    </message>
    <message>
        <source>Укажите формулы, тождественные ((A+(не B))((не A)(A+B)))~B</source>
        <translation>Mark the formulas equivalent to ((A+(not B))((not A)(A+B)))~B</translation>
    </message>
    <message>
        <source>(AB)~(не A)</source>
        <translation>(AB)~(not A)</translation>
    </message>
    <message>
        <source>не B</source>
        <translation>not B</translation>
    </message>
    <message>
        <source>(A*(не(A+B)))*(не A)</source>
        <translation>(A*(not(A+B)))*(not A)</translation>
    </message>
    <message>
        <source>(не B)((не B)+A)</source>
        <translation>(not B)((not B)+A)</translation>
    </message>
    <message>
        <source>Вы набрали %1 из %2 возможных:</source>
        <translation>You scored %1 out of a possible %2:</translation>
    </message>
    <message>
        <source>В вопросе 1: %1 из %2 возможных,</source>
        <translation>Question 1: %1 out of %2,</translation>
    </message>
    <message>
        <source>В Вопросе 2: %1 из %2, возможных</source>
        <translation>Question 2: %1 out of %2,</translation>
    </message>
    <message>
        <source>В вопросе 3: %1 из %2, возможных</source>
        <translation>Question 3: %1 out of %2,</translation>
    </message>
    <message>
        <source>В вопросе 4: %1 из %2, возможных</source>
        <translation>Question 4: %1 out of %2,</translation>
    </message>
    <message>
        <source>В вопросе 5: %1 из %2 возможных.</source>
        <translation>Question 5: %1 out of %2.</translation>
    </message>
    <message>
        <source>Оценка ваших знаний: %1.</source>
        <translation>Your mark: %1.</translation>
    </message>
</context>
<context>
    <name>SaveFailure</name>
    <message>
        <source>Папка, в которую сохраняется файл, не найдена.</source>
        <translation>The folder the file is being saved to cannot be found.</translation>
    </message>
    <message>
        <source>Нет прав на запись в эту папку.</source>
        <translation>You have no permission to write to this folder.</translation>
    </message>
    <message>
        <source>Диск доступен только для чтения.</source>
        <translation>The disk is read-only.</translation>
    </message>
    <message>
        <source>На диске не хватает места.</source>
        <translation>There is not enough space on the disk.</translation>
    </message>
    <message>
        <source>Под этим именем уже есть папка.</source>
        <translation>There is already a folder with this name.</translation>
    </message>
    <message>
        <source>Имя файла слишком длинное.</source>
        <translation>The file name is too long.</translation>
    </message>
    <message>
        <source>Файл получился бы больше, чем разрешено.</source>
        <translation>The file would be larger than allowed.</translation>
    </message>
    <message>
        <source>Файл защищён от записи; сохраните схему под другим именем командой «Сохранить как».</source>
        <translation>The file is write-protected; save the circuit under another name with “Save As”.</translation>
    </message>
</context>
<context>
    <name>Task</name>
    <message>
        <source>«%1»</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>строка не в кодировке UTF-8.</source>
        <translation>the line is not in the UTF-8 encoding.</translation>
    </message>
    <message>
        <source>после lock ничего не пишется.</source>
        <translation>nothing may follow lock.</translation>
    </message>
    <message>
        <source>Строка %1 (%2): %3</source>
        <translation>Line %1 (%2): %3</translation>
    </message>
    <message>
        <source>Строка задания (%1): %2</source>
        <translation>Task line (%1): %2</translation>
    </message>
    <message>
        <source>заголовок пуст.</source>
        <translation>the title is empty.</translation>
    </message>
    <message>
        <source>заголовок задан второй раз.</source>
        <translation>the title is given a second time.</translation>
    </message>
    <message>
        <source>не названа лампочка.</source>
        <translation>no lamp is named.</translation>
    </message>
    <message>
        <source>в схеме задания нет лампочки %1.</source>
        <translation>the task&apos;s circuit has no lamp %1.</translation>
    </message>
    <message>
        <source>для лампочки %1 ответ уже задан.</source>
        <translation>the answer for lamp %1 is already given.</translation>
    </message>
    <message>
        <source>формула не читается. %1</source>
        <translation>the formula cannot be read. %1</translation>
    </message>
    <message>
        <source>в схеме задания нет источника %1.</source>
        <translation>the task&apos;s circuit has no source %1.</translation>
    </message>
    <message>
        <source>столбец таблицы пишется знаками 0 и 1 без пробелов.</source>
        <translation>a table column is written with the digits 0 and 1, without spaces.</translation>
    </message>
    <message>
        <source>знаков в столбце: %1, а строк в таблице: %2.</source>
        <translation>the column has %1 digits, but the table has %2 rows.</translation>
    </message>
    <message>
        <source>список разрешённых элементов задан второй раз.</source>
        <translation>the list of allowed elements is given a second time.</translation>
    </message>
    <message>
        <source>неизвестный элемент %1; можно назвать source, lamp, inverter, conjunctor, disjunctor.</source>
        <translation>unknown element %1; the elements are source, lamp, inverter, conjunctor, disjunctor.</translation>
    </message>
    <message>
        <source>ограничение пишется так: limit gates N.</source>
        <translation>a limit is written as: limit gates N.</translation>
    </message>
    <message>
        <source>ограничение задано второй раз.</source>
        <translation>the limit is given a second time.</translation>
    </message>
    <message>
        <source>после limit gates ожидается число вентилей.</source>
        <translation>limit gates must be followed by the number of gates.</translation>
    </message>
    <message>
        <source>В задании больше %1 строк.</source>
        <translation>The task has more than %1 lines.</translation>
    </message>
    <message>
        <source>Источников в схеме задания: %1, а проверка берёт не больше %2.</source>
        <translation>The task&apos;s circuit has %1 sources, but the check takes no more than %2.</translation>
    </message>
    <message>
        <source>В задании нет ни одной строки expect или table: проверять нечего.</source>
        <translation>The task has no expect or table line: there is nothing to check.</translation>
    </message>
    <message>
        <source>неизвестное слово %1; строка задания начинается с title, text, expect, table, allow, limit, lock или given.</source>
        <translation>unknown word %1; a task line starts with title, text, expect, table, allow, limit, lock or given.</translation>
    </message>
    <message>
        <source>источник и лампочка пишутся так: given ЭЛЕМЕНТ СТОЛБЕЦ СТРОКА ИМЯ.</source>
        <translation>a source or lamp is written as: given ELEMENT COLUMN ROW NAME.</translation>
    </message>
    <message>
        <source>вентиль пишется так: given ЭЛЕМЕНТ СТОЛБЕЦ СТРОКА.</source>
        <translation>a gate is written as: given ELEMENT COLUMN ROW.</translation>
    </message>
    <message>
        <source>в узле (%1, %2) уже есть элемент задания.</source>
        <translation>node (%1, %2) already holds an element of the task.</translation>
    </message>
    <message>
        <source>%1 не может быть именем.</source>
        <translation>%1 cannot be a name.</translation>
    </message>
    <message>
        <source>имя %1 в задании уже есть.</source>
        <translation>the task has the name %1 already.</translation>
    </message>
</context>
<context>
    <name>TaskCheck</name>
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
        <translation>inverters</translation>
    </message>
    <message>
        <source>конъюнкторы</source>
        <translation>AND gates</translation>
    </message>
    <message>
        <source>дизъюнкторы</source>
        <translation>OR gates</translation>
    </message>
    <message>
        <source>«%1»</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>Лампочка %1 не должна гореть, а она горит.</source>
        <translation>Lamp %1 should not be lit, but it is.</translation>
    </message>
    <message>
        <source>Лампочка %1 должна гореть, а до неё не доходит сигнал.</source>
        <translation>Lamp %1 should be lit, but no signal reaches it.</translation>
    </message>
    <message>
        <source>Лампочка %1 должна гореть, а она не горит.</source>
        <translation>Lamp %1 should be lit, but it is not.</translation>
    </message>
    <message>
        <source>При %1 лампочка %2 не должна гореть, а она горит.</source>
        <translation>With %1, lamp %2 should not be lit, but it is.</translation>
    </message>
    <message>
        <source>При %1 лампочка %2 должна гореть, а до неё не доходит сигнал.</source>
        <translation>With %1, lamp %2 should be lit, but no signal reaches it.</translation>
    </message>
    <message>
        <source>При %1 лампочка %2 должна гореть, а она не горит.</source>
        <translation>With %1, lamp %2 should be lit, but it is not.</translation>
    </message>
    <message>
        <source>Задание не разрешает ставить %1, а в схеме их %2.</source>
        <translation>The task does not allow %1, but the circuit has %2 of them.</translation>
    </message>
    <message>
        <source>Вентилей (инверторов, конъюнкторов и дизъюнкторов) в схеме: %1, а задание разрешает не больше %2.</source>
        <translation>The circuit has %1 gates (inverters, AND and OR gates), but the task allows no more than %2.</translation>
    </message>
    <message>
        <source>В файле нет задания: ни одной строки «; task …».</source>
        <translation>The file holds no task: there is no “; task …” line.</translation>
    </message>
    <message>
        <source>Задание составлено с ошибками, проверить по нему нельзя.</source>
        <translation>The task is written with mistakes; nothing can be checked against it.</translation>
    </message>
    <message>
        <source>В схеме нет источника %1.</source>
        <translation>The circuit has no source %1.</translation>
    </message>
    <message>
        <source>В схеме нет лампочки %1.</source>
        <translation>The circuit has no lamp %1.</translation>
    </message>
    <message>
        <source>Источников в схеме: %1, а проверка берёт не больше %2.</source>
        <translation>The circuit has %1 sources, but the check takes no more than %2.</translation>
    </message>
    <message>
        <source>Всё верно: лампочки горят как надо во всех строках таблицы (%1 из %2).</source>
        <translation>All correct: the lamps light as they should in every row of the table (%1 of %2).</translation>
    </message>
    <message>
        <source>Лампочки горят как надо во всех строках таблицы (%1 из %2), но:</source>
        <translation>The lamps light as they should in every row of the table (%1 of %2), but:</translation>
    </message>
    <message>
        <source>Схема работает неверно: правильных строк таблицы %1 из %2.</source>
        <translation>The circuit does not work correctly: %1 of %2 rows of the table are right.</translation>
    </message>
    <message>
        <source>И ещё ошибок: %1.</source>
        <translation>Further mistakes: %1.</translation>
    </message>
    <message>
        <source>Источники, которых нет в задании (%1), проверены в том положении, в каком стоят.</source>
        <translation>Sources that are not part of the task (%1) were checked in the positions they are set to.</translation>
    </message>
    <message>
        <source>Ошибка в файле: программа не может открыть файл.</source>
        <translation>Error in the file: the program cannot open it.</translation>
    </message>
    <message>
        <source>Файл не найден.</source>
        <translation>The file cannot be found.</translation>
    </message>
    <message>
        <source>Файл не читается.</source>
        <translation>The file cannot be read.</translation>
    </message>
    <message>
        <source>Источник %1 дан в задании: его нельзя стереть, передвинуть или переименовать.</source>
        <translation>Source %1 is part of the task: it cannot be erased, moved or renamed.</translation>
    </message>
    <message>
        <source>Лампочка %1 дана в задании: её нельзя стереть, передвинуть или переименовать.</source>
        <translation>Lamp %1 is part of the task: it cannot be erased, moved or renamed.</translation>
    </message>
    <message>
        <source>Ошибка в файле задания: программа не может открыть файл.</source>
        <translation>Error in the task file: the program cannot open it.</translation>
    </message>
    <message>
        <source>Файл задания не найден.</source>
        <translation>The task file cannot be found.</translation>
    </message>
    <message>
        <source>Файл задания не читается.</source>
        <translation>The task file cannot be read.</translation>
    </message>
    <message>
        <source>Предупреждения:</source>
        <translation>Warnings:</translation>
    </message>
    <message>
        <source>Предупреждений: %1.</source>
        <translation>Warnings: %1.</translation>
    </message>
</context>
<context>
    <name>TaskMaker</name>
    <message>
        <source>В схеме нет ни одной лампочки: проверять нечего.</source>
        <translation>The circuit has no lamps: there is nothing to check.</translation>
    </message>
    <message>
        <source>Не выбрана ни одна лампочка: проверять нечего.</source>
        <translation>No lamp is chosen: there is nothing to check.</translation>
    </message>
    <message>
        <source>Источников в схеме: %1, а задание берёт не больше %2.</source>
        <translation>The circuit has %1 sources, but a task takes no more than %2.</translation>
    </message>
    <message>
        <source>Элементов в данной части схемы слишком много: строк задания вышло бы %1, а можно не больше %2.</source>
        <translation>The given part has too many elements: the task would have %1 lines, but no more than %2 are allowed.</translation>
    </message>
</context>
</TS>
