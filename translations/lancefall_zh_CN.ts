<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Catalogues</name>
    <message>
        <source>an item line needs an identifier and a name</source>
        <translation>物品行需要 ID 和名称</translation>
    </message>
    <message>
        <source>a faction line needs an identifier and a name</source>
        <translation>阵营行需要 ID 和名称</translation>
    </message>
</context>
<context>
    <name>Check</name>
    <message>
        <source>error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>%1 error</source>
        <translation>%1 个错误</translation>
    </message>
    <message>
        <source>%1 errors</source>
        <translation>%1 个错误</translation>
    </message>
    <message>
        <source>%1 warning</source>
        <translation>%1 个警告</translation>
    </message>
    <message>
        <source>%1 warnings</source>
        <translation>%1 个警告</translation>
    </message>
    <message>
        <source>%1, %2; the module could not be read, so nothing else was checked</source>
        <translation>%1，%2；模组无法读取，未检查其他内容</translation>
    </message>
    <message>
        <source>%1, %2 in %3, %4 and %5</source>
        <translation>在 %3、%4 和 %5 中：%1，%2</translation>
    </message>
    <message>
        <source>it would gain field %1, &quot;%2&quot;</source>
        <translation>它会多出第 %1 个字段“%2”</translation>
    </message>
    <message>
        <source>it would lose field %1, &quot;%2&quot;</source>
        <translation>它会失去第 %1 个字段“%2”</translation>
    </message>
    <message>
        <source>field %1 &quot;%2&quot; would become &quot;%3&quot;</source>
        <translation>第 %1 个字段“%2”会变成“%3”</translation>
    </message>
    <message>
        <source>troops %1 to %2</source>
        <translation>兵种 %1 至 %2</translation>
    </message>
    <message>
        <source>party templates %1 to %2</source>
        <translation>部队模板 %1 至 %2</translation>
    </message>
    <message>
        <source>parties %1 to %2</source>
        <translation>部队 %1 至 %2</translation>
    </message>
    <message>
        <source>items</source>
        <translation>物品</translation>
    </message>
    <message>
        <source>factions</source>
        <translation>阵营</translation>
    </message>
    <message>
        <source>troop k at line 3 + %1k</source>
        <translation>兵种 k 位于第 3 + %1k 行</translation>
    </message>
    <message>
        <source>template k at line k + 3</source>
        <translation>模板 k 位于第 k + 3 行</translation>
    </message>
    <message>
        <source>party k at line 2k + 3</source>
        <translation>部队 k 位于第 2k + 3 行</translation>
    </message>
    <message>
        <source>the file lists no item after item 0, so the editor can show no troop</source>
        <translation>文件中物品 0 之后没有任何物品，编辑器无法显示兵种</translation>
    </message>
    <message>
        <source>record %1</source>
        <translation>记录 %1</translation>
    </message>
    <message>
        <source>the summary row says %1 %2, but the file holds %3; the editor corrects it when it loads the module and writes %3 there when it saves</source>
        <translation>汇总行写的是 %1 个%2，但文件中有 %3 个；编辑器载入模组时会更正它，并在储存时写入 %3</translation>
    </message>
    <message>
        <source>the summary row says %1 %2, but the file holds %3 read record by record, or %4 counting every line that begins with trp_; as it cannot tell which is right, the editor keeps this row as it stands when it saves</source>
        <translation>汇总行写的是 %1 个%2，但逐条读取时文件中有 %3 个，按以 trp_ 开头的行计算则有 %4 个；编辑器无法判断哪个正确，储存时保留此行原样</translation>
    </message>
    <message>
        <source>line 2 should be the summary row with the number of %1, %2, not &quot;%3&quot;</source>
        <translation>第 2 行应为汇总行，写明%1数量 %2，而不是“%3”</translation>
    </message>
    <message>
        <source>the summary row says %1 %2, but the file holds %3</source>
        <translation>汇总行写的是 %1 个%2，但文件中有 %3 个</translation>
    </message>
    <message>
        <source>Name 1 of %1</source>
        <translation>%1 的名称1</translation>
    </message>
    <message>
        <source>Name 2 of %1</source>
        <translation>%1 的名称2</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%2 的%1</translation>
    </message>
    <message>
        <source>%1 has skill levels above %2: %3</source>
        <translation>%1 的技能等级高于 %2：%3</translation>
    </message>
    <message>
        <source>upgrade path %1 of %2</source>
        <translation>%2 的升级路线 %1</translation>
    </message>
    <message>
        <source>%1 is troop -1, which stands for no troop chosen</source>
        <translation>%1 为兵种 -1，即未选择兵种</translation>
    </message>
    <message>
        <source>%1 names troop %2, which does not exist</source>
        <translation>%1 指向不存在的兵种 %2</translation>
    </message>
    <message>
        <source>%1 has faction -1, which stands for no faction chosen</source>
        <translation>%1 的阵营为 -1，即未选择阵营</translation>
    </message>
    <message>
        <source>%1 names faction %2, which does not exist (factions.txt has %3)</source>
        <translation>%1 指向不存在的阵营 %2（factions.txt 中有%3）</translation>
    </message>
    <message>
        <source>faction %1</source>
        <translation>阵营 %1</translation>
    </message>
    <message>
        <source>factions %1 to %2</source>
        <translation>阵营 %1 至 %2</translation>
    </message>
    <message>
        <source>the inventory of %1 names item %2, which item_kinds1.txt does not hold (it has %3)</source>
        <translation>%1 的物品栏指向物品 %2，但 item_kinds1.txt 中没有（其中有%3）</translation>
    </message>
    <message>
        <source>item %1</source>
        <translation>物品 %1</translation>
    </message>
    <message>
        <source>items %1 to %2</source>
        <translation>物品 %1 至 %2</translation>
    </message>
    <message>
        <source>the inventory of %1 holds %2 items, more than the %3 an inventory holds</source>
        <translation>%1 的物品栏有 %2 件物品，超过了物品栏可容纳的 %3 件</translation>
    </message>
    <message>
        <source>the inventory line of %1 holds %2 numbers, not %3 slots of item and modifier (%4)</source>
        <translation>%1 的物品行有 %2 个数字，而不是 %3 个物品与修饰符栏位（%4 个数字）</translation>
    </message>
    <message>
        <source>%1 has values below 0: %2</source>
        <translation>%1 有小于 0 的值：%2</translation>
    </message>
    <message>
        <source>the member slots of %1 are not six slots, each &quot;-1&quot; or a troop, a minimum, a maximum and 0 or 1</source>
        <translation>%1 的成员栏位不是六个栏位（每个为“-1”，或兵种、最小值、最大值及 0 或 1）</translation>
    </message>
    <message>
        <source>the name of %1</source>
        <translation>%1 的名字</translation>
    </message>
    <message>
        <source>the menu of %1</source>
        <translation>%1 的菜单</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>菜单</translation>
    </message>
    <message>
        <source>member %1 of %2</source>
        <translation>%2 的成员 %1</translation>
    </message>
    <message>
        <source>the minimum of member %1 of %2</source>
        <translation>%2 的成员 %1 的最小值</translation>
    </message>
    <message>
        <source>the maximum of member %1 of %2</source>
        <translation>%2 的成员 %1 的最大值</translation>
    </message>
    <message>
        <source>Member %1 minimum</source>
        <translation>成员 %1 最小值</translation>
    </message>
    <message>
        <source>Member %1 maximum</source>
        <translation>成员 %1 最大值</translation>
    </message>
    <message>
        <source>%1 has a maximum of %2, below its minimum of %3</source>
        <translation>%1 的最大值 %2 小于其最小值 %3</translation>
    </message>
    <message>
        <source>field 5 of party %1 holds &quot;%2&quot; where its identifier, beginning with p_, belongs</source>
        <translation>部队 %1 的第 5 个字段是“%2”，此处应为以 p_ 开头的 ID</translation>
    </message>
    <message>
        <source>%1 names party template %2, which does not exist</source>
        <translation>%1 指向不存在的部队模板 %2</translation>
    </message>
    <message>
        <source>an update of %1 without changes is refused: %2</source>
        <translation>对 %1 的无修改更新被拒绝：%2</translation>
    </message>
    <message>
        <source>an update of %1 without changes would change this line: %2</source>
        <translation>对 %1 的无修改更新会改变此行：%2</translation>
    </message>
    <message>
        <source>%1 is already the identifier of %2 (line %3)</source>
        <translation>%1 已是 %2 的 ID（第 %3 行）</translation>
    </message>
    <message>
        <source>%1, nor are %2</source>
        <translation>%1；%2 也是如此</translation>
    </message>
    <message>
        <source>%1, nor is %2</source>
        <translation>%1；%2 也是如此</translation>
    </message>
    <message>
        <source>%1 (%2) begins at line %3, not at line %4 (%5); the %6 after it are shifted too</source>
        <translation>%1（%2）始于第 %3 行，而不是第 %4 行（%5）；其后的%6也随之错位</translation>
    </message>
</context>
<context>
    <name>CheckReport</name>
    <message>
        <source>Check module</source>
        <translation>检查模组</translation>
    </message>
    <message>
        <source>No module checked yet.</source>
        <translation>尚未检查模组。</translation>
    </message>
    <message>
        <source>Double-click a finding or press Enter to show its record.</source>
        <translation>双击某个问题或按回车键，即可显示其记录。</translation>
    </message>
    <message>
        <source>Severity</source>
        <translation>级别</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>行</translation>
    </message>
    <message>
        <source>Finding</source>
        <translation>问题</translation>
    </message>
    <message>
        <source>&amp;Show record</source>
        <translation>显示记录(&amp;S)</translation>
    </message>
    <message>
        <source>Check &amp;again</source>
        <translation>重新检查(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Lancefall Module Editor</source>
        <translation>Lancefall 模组编辑器</translation>
    </message>
    <message>
        <source>Don&apos;t show this again</source>
        <translation>不再显示此消息</translation>
    </message>
    <message>
        <source>The module has updates that are not saved. Save them before closing?</source>
        <translation>模组有尚未储存的更新。关闭前要储存吗？</translation>
    </message>
    <message>
        <source>The module has updates that are not saved. Save them before opening another folder?</source>
        <translation>模组有尚未储存的更新。打开其他文件夹前要储存吗？</translation>
    </message>
    <message>
        <source>The fields of %1 were changed without Update. Apply the changes before leaving it?</source>
        <translation>%1 的字段已修改，但尚未点击“更新”。离开前要应用这些修改吗？</translation>
    </message>
    <message>
        <source>These files in %1 were changed on disk by another program since the editor loaded or saved them:%2Overwrite them with the editor&apos;s version? Cancel writes nothing.</source>
        <translation>自编辑器载入或储存以来，%1 中的以下文件已被其他程序在磁盘上修改：%2要用编辑器的版本覆盖它们吗？选择“取消”则不写入任何内容。</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>覆盖</translation>
    </message>
    <message>
        <source>These files in %1 were changed on disk by another program:%2Load the module again to see the changes?</source>
        <translation>%1 中的以下文件已被其他程序在磁盘上修改：%2要重新载入模组以查看这些修改吗？</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>重新载入</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>保留</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>储存</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>放弃</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>Fields</name>
    <message>
        <source>Skill value must be between 0 and 10</source>
        <translation>技能值必须在 0 到 10 之间</translation>
    </message>
    <message>
        <source>%1 must not be empty</source>
        <translation>%1不能为空</translation>
    </message>
    <message>
        <source>%1 must not hold a line break</source>
        <translation>%1不能包含换行</translation>
    </message>
    <message>
        <source>%1 must be a whole number from -2147483648 to 2147483647, not &quot;%2&quot;</source>
        <translation>%1必须是 -2147483648 到 2147483647 之间的整数，而不是“%2”</translation>
    </message>
    <message>
        <source>%1 must be a whole number from 0 to 2147483647, not &quot;%2&quot;</source>
        <translation>%1必须是 0 到 2147483647 之间的整数，而不是“%2”</translation>
    </message>
    <message>
        <source>%1 cannot be stored so that it reads back as typed</source>
        <translation>%1无法按输入原样储存并读回</translation>
    </message>
    <message>
        <source>%1 of %2 holds &quot;%3&quot;, which is no number to change</source>
        <translation>%2 的%1为“%3”，不是可以修改的数字</translation>
    </message>
    <message>
        <source>%1 of %2 would be %3; it must be a whole number from 0 to %4</source>
        <translation>%2 的%1将变为 %3；它必须是 0 到 %4 之间的整数</translation>
    </message>
    <message>
        <source>%1 must be a whole number, +N, -N or *X, not &quot;%2&quot;</source>
        <translation>%1必须是整数、+N、-N 或 *X，而不是“%2”</translation>
    </message>
</context>
<context>
    <name>Lines</name>
    <message>
        <source>%1 line %2: %3</source>
        <translation>%1 第 %2 行：%3</translation>
    </message>
    <message>
        <source>%1 MB (%2 bytes)</source>
        <translation>%1 MB（%2 字节）</translation>
    </message>
    <message>
        <source>this is a symbolic link that leads back to itself (a link loop)</source>
        <translation>这是指回自身的符号链接（链接循环）</translation>
    </message>
    <message>
        <source>this is a symbolic link to %1, which does not exist</source>
        <translation>这是指向 %1 的符号链接，但目标不存在</translation>
    </message>
    <message>
        <source>its path is too long for the system (%1 characters)</source>
        <translation>路径超出系统的长度限制（%1 个字符）</translation>
    </message>
    <message>
        <source>the folder %1 may not be searched (no permission)</source>
        <translation>无法搜索文件夹 %1（没有权限）</translation>
    </message>
    <message>
        <source>this is a folder, not a file</source>
        <translation>这是文件夹，不是文件</translation>
    </message>
    <message>
        <source>this is not a regular file (a named pipe, a device or a socket), so it is not read</source>
        <translation>这不是普通文件（而是命名管道、设备或套接字），因此不读取</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>文件不存在</translation>
    </message>
    <message>
        <source>the file is %1; module files larger than %2 are not read</source>
        <translation>文件大小为 %1；不读取大于 %2 的模组文件</translation>
    </message>
    <message>
        <source>the file is larger than %1, the most a module file may hold</source>
        <translation>文件大于 %1，超过了模组文件的上限</translation>
    </message>
    <message>
        <source>the file has %1 lines; module files of more than %2 lines are not read</source>
        <translation>文件有 %1 行；不读取超过 %2 行的模组文件</translation>
    </message>
    <message>
        <source>what it held could not be read before: %1</source>
        <translation>之前无法读取其原有内容：%1</translation>
    </message>
    <message>
        <source>was replaced, but could not be put back as it was after %1 failed: %2</source>
        <translation>已被替换，但在 %1 失败后无法恢复原样：%2</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Lancefall Module Editor [*]</source>
        <translation>Lancefall 模组编辑器 [*]</translation>
    </message>
    <message>
        <source>Lancefall Module Editor</source>
        <translation>Lancefall 模组编辑器</translation>
    </message>
    <message>
        <source>  操作  </source>
        <translation>  操作  </translation>
    </message>
    <message>
        <source>文件名： </source>
        <translation>文件名： </translation>
    </message>
    <message>
        <source>文件夹:</source>
        <translation>文件夹:</translation>
    </message>
    <message>
        <source>浏览.....</source>
        <translation>浏览.....</translation>
    </message>
    <message>
        <source> 更新 </source>
        <translation> 更新 </translation>
    </message>
    <message>
        <source>储存</source>
        <translation>储存</translation>
    </message>
    <message>
        <source>简单使用说明</source>
        <translation>简单使用说明</translation>
    </message>
    <message>
        <source>
1. 点击“浏览.....”按钮，选择一个 Lancefall 模组文件夹。
2. 在左边的“文件名”框中，选择要编辑的游戏数据种类。
3. 编辑所选的条目，直到它符合您的要求。
4. 编辑完一个条目后，先点击“更新”按钮，再转到下一个条目。
      注意：编辑后没有点击“更新”的条目不会被保存。
5. 点击“储存”按钮，把完成的修改写入游戏的文本文件。
      注意：编辑之前，请先备份游戏的文件。
6. 启动游戏并开始一局新游戏，即可看到修改的效果。</source>
        <translation>
1. 点击“浏览.....”按钮，选择一个 Lancefall 模组文件夹。
2. 在左边的“文件名”框中，选择要编辑的游戏数据种类。
3. 编辑所选的条目，直到它符合您的要求。
4. 编辑完一个条目后，先点击“更新”按钮，再转到下一个条目。
      注意：编辑后没有点击“更新”的条目不会被保存。
5. 点击“储存”按钮，把完成的修改写入游戏的文本文件。
      注意：编辑之前，请先备份游戏的文件。
6. 启动游戏并开始一局新游戏，即可看到修改的效果。</translation>
    </message>
    <message>
        <source>相关网站</source>
        <translation>相关网站</translation>
    </message>
    <message>
        <source>Lancefall 游戏网站：</source>
        <translation>Lancefall 游戏网站：</translation>
    </message>
    <message>
        <source>本编辑器的讨论论坛：</source>
        <translation>本编辑器的讨论论坛：</translation>
    </message>
    <message>
        <source>本编辑器的下载页面：</source>
        <translation>本编辑器的下载页面：</translation>
    </message>
    <message>
        <source>版权声明</source>
        <translation>版权声明</translation>
    </message>
    <message>
        <source>Lancefall 游戏数据文件的版权归其作者所有。</source>
        <translation>Lancefall 游戏数据文件的版权归其作者所有。</translation>
    </message>
    <message>
        <source>本编辑器为模组制作者免费提供。</source>
        <translation>本编辑器为模组制作者免费提供。</translation>
    </message>
    <message>
        <source>Lancefall Module Editor 由其开发团队编写。</source>
        <translation>Lancefall 模组编辑器由其开发团队编写。</translation>
    </message>
    <message>
        <source> 角色列表 </source>
        <translation> 角色列表 </translation>
    </message>
    <message>
        <source>Filter: number, name or ID (Ctrl+F)</source>
        <translation>筛选：编号、名字或 ID（Ctrl+F）</translation>
    </message>
    <message>
        <source>容貌 </source>
        <translation>容貌 </translation>
    </message>
    <message>
        <source>代码1</source>
        <translation>代码1</translation>
    </message>
    <message>
        <source>代码2</source>
        <translation>代码2</translation>
    </message>
    <message>
        <source>旗帜 </source>
        <translation>旗帜 </translation>
    </message>
    <message>
        <source> 男性</source>
        <translation> 男性</translation>
    </message>
    <message>
        <source>女性  </source>
        <translation>女性  </translation>
    </message>
    <message>
        <source>其他 </source>
        <translation>其他 </translation>
    </message>
    <message>
        <source>英雄</source>
        <translation>英雄</translation>
    </message>
    <message>
        <source>商人    </source>
        <translation>商人    </translation>
    </message>
    <message>
        <source>骑乘   </source>
        <translation>骑乘   </translation>
    </message>
    <message>
        <source>无法俘获  </source>
        <translation>无法俘获  </translation>
    </message>
    <message>
        <source>未激活  </source>
        <translation>未激活  </translation>
    </message>
    <message>
        <source>不可杀死  </source>
        <translation>不可杀死  </translation>
    </message>
    <message>
        <source>不可击伤 </source>
        <translation>不可击伤 </translation>
    </message>
    <message>
        <source>不可移动 </source>
        <translation>不可移动 </translation>
    </message>
    <message>
        <source>装备保障 </source>
        <translation>装备保障 </translation>
    </message>
    <message>
        <source>护甲 </source>
        <translation>护甲 </translation>
    </message>
    <message>
        <source>护腿 </source>
        <translation>护腿 </translation>
    </message>
    <message>
        <source>护手  </source>
        <translation>护手  </translation>
    </message>
    <message>
        <source>头盔  </source>
        <translation>头盔  </translation>
    </message>
    <message>
        <source>盾牌  </source>
        <translation>盾牌  </translation>
    </message>
    <message>
        <source>马匹 </source>
        <translation>马匹 </translation>
    </message>
    <message>
        <source>远程  </source>
        <translation>远程  </translation>
    </message>
    <message>
        <source>名字 </source>
        <translation>名字 </translation>
    </message>
    <message>
        <source>角色  ID</source>
        <translation>角色  ID</translation>
    </message>
    <message>
        <source>名称1 </source>
        <translation>名称1 </translation>
    </message>
    <message>
        <source>  名称2 </source>
        <translation>  名称2 </translation>
    </message>
    <message>
        <source>升级后的兵种 </source>
        <translation>升级后的兵种 </translation>
    </message>
    <message>
        <source> 角色属性 </source>
        <translation> 角色属性 </translation>
    </message>
    <message>
        <source>力 </source>
        <translation>力 </translation>
    </message>
    <message>
        <source>敏 </source>
        <translation>敏 </translation>
    </message>
    <message>
        <source>智 </source>
        <translation>智 </translation>
    </message>
    <message>
        <source>魅 </source>
        <translation>魅 </translation>
    </message>
    <message>
        <source>等级 </source>
        <translation>等级 </translation>
    </message>
    <message>
        <source> 阵营  </source>
        <translation> 阵营  </translation>
    </message>
    <message>
        <source> 武器熟练度  </source>
        <translation> 武器熟练度  </translation>
    </message>
    <message>
        <source>单手武器 </source>
        <translation>单手武器 </translation>
    </message>
    <message>
        <source>长柄武器</source>
        <translation>长柄武器</translation>
    </message>
    <message>
        <source>     弩  </source>
        <translation>     弩  </translation>
    </message>
    <message>
        <source>  火器  </source>
        <translation>  火器  </translation>
    </message>
    <message>
        <source>双手武器 </source>
        <translation>双手武器 </translation>
    </message>
    <message>
        <source>箭术   </source>
        <translation>箭术   </translation>
    </message>
    <message>
        <source>  投掷  </source>
        <translation>  投掷  </translation>
    </message>
    <message>
        <source> 技能 </source>
        <translation> 技能 </translation>
    </message>
    <message>
        <source>    铁骨 </source>
        <translation>    铁骨 </translation>
    </message>
    <message>
        <source> 盾防 </source>
        <translation> 盾防 </translation>
    </message>
    <message>
        <source>  战术 </source>
        <translation>  战术 </translation>
    </message>
    <message>
        <source>    急救 </source>
        <translation>    急救 </translation>
    </message>
    <message>
        <source>       强击 </source>
        <translation>       强击 </translation>
    </message>
    <message>
        <source>    跑动 </source>
        <translation>    跑动 </translation>
    </message>
    <message>
        <source>      向导 </source>
        <translation>      向导 </translation>
    </message>
    <message>
        <source> 工程学 </source>
        <translation> 工程学 </translation>
    </message>
    <message>
        <source>      强掷 </source>
        <translation>      强掷 </translation>
    </message>
    <message>
        <source> 骑术 </source>
        <translation> 骑术 </translation>
    </message>
    <message>
        <source>   侦查 </source>
        <translation>   侦查 </translation>
    </message>
    <message>
        <source>   说服力 </source>
        <translation>   说服力 </translation>
    </message>
    <message>
        <source>     强弓 </source>
        <translation>     强弓 </translation>
    </message>
    <message>
        <source>     骑射 </source>
        <translation>     骑射 </translation>
    </message>
    <message>
        <source>物品管理</source>
        <translation>物品管理</translation>
    </message>
    <message>
        <source>    俘虏管理 </source>
        <translation>    俘虏管理 </translation>
    </message>
    <message>
        <source>  掠夺 </source>
        <translation>  掠夺 </translation>
    </message>
    <message>
        <source>   教练 </source>
        <translation>   教练 </translation>
    </message>
    <message>
        <source>    疗伤 </source>
        <translation>    疗伤 </translation>
    </message>
    <message>
        <source>     统御 </source>
        <translation>     统御 </translation>
    </message>
    <message>
        <source>  武器掌握 </source>
        <translation>  武器掌握 </translation>
    </message>
    <message>
        <source>   跟踪 </source>
        <translation>   跟踪 </translation>
    </message>
    <message>
        <source>  手术 </source>
        <translation>  手术 </translation>
    </message>
    <message>
        <source>交易 </source>
        <translation>交易 </translation>
    </message>
    <message>
        <source>物品 </source>
        <translation>物品 </translation>
    </message>
    <message>
        <source>增 </source>
        <translation>增 </translation>
    </message>
    <message>
        <source>上</source>
        <translation>上</translation>
    </message>
    <message>
        <source> 下 </source>
        <translation> 下 </translation>
    </message>
    <message>
        <source> 删除 </source>
        <translation> 删除 </translation>
    </message>
    <message>
        <source>    部队模板列表    </source>
        <translation>    部队模板列表    </translation>
    </message>
    <message>
        <source>名字</source>
        <translation>名字</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>   性格    </source>
        <translation>   性格    </translation>
    </message>
    <message>
        <source>   匪徒   </source>
        <translation>   匪徒   </translation>
    </message>
    <message>
        <source>勇气   </source>
        <translation>勇气   </translation>
    </message>
    <message>
        <source>   进攻倾向   </source>
        <translation>   进攻倾向   </translation>
    </message>
    <message>
        <source>菜单</source>
        <translation>菜单</translation>
    </message>
    <message>
        <source>阵营   </source>
        <translation>阵营   </translation>
    </message>
    <message>
        <source> 成员  </source>
        <translation> 成员  </translation>
    </message>
    <message>
        <source>Min</source>
        <translation>最小值</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>最大值</translation>
    </message>
    <message>
        <source>是否俘虏</source>
        <translation>是否俘虏</translation>
    </message>
    <message>
        <source>  部队列表  </source>
        <translation>  部队列表  </translation>
    </message>
    <message>
        <source>   部队模型   </source>
        <translation>   部队模型   </translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>最近打开(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>视图(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>工具(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>Used by</source>
        <translation>使用情况</translation>
    </message>
    <message>
        <source>&amp;Open Folder…</source>
        <translation>打开文件夹(&amp;O)…</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>储存(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>退出(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Update Record</source>
        <translation>更新记录(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Find…</source>
        <translation>查找(&amp;F)…</translation>
    </message>
    <message>
        <source>&amp;Confirm Each Update</source>
        <translation>每次更新后确认(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;About Lancefall Module Editor</source>
        <translation>关于 Lancefall 模组编辑器(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>撤销 %1(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>撤销(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>重做 %1(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>重做(&amp;R)</translation>
    </message>
    <message>
        <source>Saved %1 files</source>
        <translation>已储存 %1 个文件</translation>
    </message>
    <message>
        <source>Not saved: %1</source>
        <translation>未储存：%1</translation>
    </message>
    <message>
        <source>Saved %1 of %2 files; not written: %3</source>
        <translation>已储存 %1 个文件（共 %2 个）；未写入：%3</translation>
    </message>
    <message>
        <source>… and %1 more</source>
        <translation>……另有 %1 条</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>使用说明</translation>
    </message>
</context>
<context>
    <name>Parties</name>
    <message>
        <source>a party line needs at least 6 fields</source>
        <translation>部队行至少需要 6 个字段</translation>
    </message>
    <message>
        <source>the %1 &quot;%2&quot; is not a number</source>
        <translation>%1“%2”不是数字</translation>
    </message>
    <message>
        <source>the line lies beyond the end of the file (%1 lines)</source>
        <translation>该行超出了文件末尾（共 %1 行）</translation>
    </message>
    <message>
        <source>the line holds no identifier beginning with p_</source>
        <translation>该行没有以 p_ 开头的 ID</translation>
    </message>
    <message>
        <source>a party line needs at least %1 fields</source>
        <translation>部队行至少需要 %1 个字段</translation>
    </message>
    <message>
        <source>party template</source>
        <translation>部队模板</translation>
    </message>
    <message>
        <source>faction</source>
        <translation>阵营</translation>
    </message>
    <message>
        <source>%1 %2 is no %1 number: a number from 0 to %3</source>
        <translation>%1 %2 不是有效的%1编号：应为 0 到 %3 之间的数字</translation>
    </message>
    <message>
        <source>Party ID</source>
        <translation>部队 ID</translation>
    </message>
    <message>
        <source>Party ID must begin with p_, not &quot;%1&quot;</source>
        <translation>部队 ID 必须以 p_ 开头，而不是“%1”</translation>
    </message>
    <message>
        <source>Party name</source>
        <translation>部队名字</translation>
    </message>
    <message>
        <source>No party template is chosen</source>
        <translation>未选择部队模板</translation>
    </message>
    <message>
        <source>No faction is chosen</source>
        <translation>未选择阵营</translation>
    </message>
</context>
<context>
    <name>PartyTemplates</name>
    <message>
        <source>the line lies beyond the end of the file (%1 lines)</source>
        <translation>该行超出了文件末尾（共 %1 行）</translation>
    </message>
    <message>
        <source>the line does not begin with pt_</source>
        <translation>该行不是以 pt_ 开头</translation>
    </message>
    <message>
        <source>a template line needs 6 fields before its member slots</source>
        <translation>模板行在成员栏位之前需要 6 个字段</translation>
    </message>
    <message>
        <source>the faction &quot;%1&quot; is not a number</source>
        <translation>阵营“%1”不是数字</translation>
    </message>
    <message>
        <source>the personality &quot;%1&quot; is not a number</source>
        <translation>性格“%1”不是数字</translation>
    </message>
    <message>
        <source>unknown line in party_templates.txt</source>
        <translation>party_templates.txt 中有无法识别的行</translation>
    </message>
    <message>
        <source>faction %1 is no faction number: a number from 0 to %2</source>
        <translation>阵营 %1 不是有效的阵营编号：应为 0 到 %2 之间的数字</translation>
    </message>
    <message>
        <source>member slot %1 names troop %2, which is no troop number: -1 or a number from 0 to %3</source>
        <translation>成员栏位 %1 指向兵种 %2，这不是有效的兵种编号：应为 -1 或 0 到 %3 之间的数字</translation>
    </message>
    <message>
        <source>Member %1 minimum</source>
        <translation>成员 %1 最小值</translation>
    </message>
    <message>
        <source>Member %1 maximum</source>
        <translation>成员 %1 最大值</translation>
    </message>
    <message>
        <source>Member %1 maximum (%2) must not be below its minimum (%3)</source>
        <translation>成员 %1 最大值（%2）不能小于其最小值（%3）</translation>
    </message>
    <message>
        <source>Soldier</source>
        <translation>士兵</translation>
    </message>
    <message>
        <source>Merchant</source>
        <translation>商人</translation>
    </message>
    <message>
        <source>Escorted Merchant</source>
        <translation>受护送的商人</translation>
    </message>
    <message>
        <source>Bandit</source>
        <translation>匪徒</translation>
    </message>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Other (keep current value)</source>
        <translation>其他（保留当前值）</translation>
    </message>
    <message>
        <source>Template ID</source>
        <translation>模板 ID</translation>
    </message>
    <message>
        <source>Template ID must begin with pt_, not &quot;%1&quot;</source>
        <translation>模板 ID 必须以 pt_ 开头，而不是“%1”</translation>
    </message>
    <message>
        <source>Template name</source>
        <translation>模板名字</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>菜单</translation>
    </message>
    <message>
        <source>No faction is chosen</source>
        <translation>未选择阵营</translation>
    </message>
    <message>
        <source>a template line needs at least 2 fields</source>
        <translation>模板行至少需要 2 个字段</translation>
    </message>
    <message>
        <source>no line begins with pt_, so the file holds no party template</source>
        <translation>没有以 pt_ 开头的行，文件中没有部队模板</translation>
    </message>
</context>
<context>
    <name>References</name>
    <message>
        <source>Faction</source>
        <translation>阵营</translation>
    </message>
    <message>
        <source>Template</source>
        <translation>模板</translation>
    </message>
    <message>
        <source>Upgrade path A</source>
        <translation>升级路线 A</translation>
    </message>
    <message>
        <source>Upgrade path B</source>
        <translation>升级路线 B</translation>
    </message>
    <message>
        <source>Member %1 troop</source>
        <translation>成员 %1 兵种</translation>
    </message>
    <message>
        <source>inventory slot %1</source>
        <translation>物品栏位 %1</translation>
    </message>
    <message>
        <source>upgrade path A</source>
        <translation>升级路线 A</translation>
    </message>
    <message>
        <source>upgrade path B</source>
        <translation>升级路线 B</translation>
    </message>
    <message>
        <source>member %1</source>
        <translation>成员 %1</translation>
    </message>
    <message>
        <source>template</source>
        <translation>模板</translation>
    </message>
    <message>
        <source>faction</source>
        <translation>阵营</translation>
    </message>
    <message>
        <source>Replace in %1</source>
        <translation>在 %1 中替换</translation>
    </message>
    <message>
        <source>%1 records</source>
        <translation>%1 条记录</translation>
    </message>
</context>
<context>
    <name>ReplacePanel</name>
    <message>
        <source>&amp;Kind:</source>
        <translation>种类(&amp;K)：</translation>
    </message>
    <message>
        <source>&amp;Replace:</source>
        <translation>替换(&amp;R)：</translation>
    </message>
    <message>
        <source>&amp;With:</source>
        <translation>替换为(&amp;W)：</translation>
    </message>
    <message>
        <source>Only the selected records</source>
        <translation>仅限所选记录</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>查找(&amp;F)</translation>
    </message>
    <message>
        <source>Replace &amp;All</source>
        <translation>全部替换(&amp;A)</translation>
    </message>
</context>
<context>
    <name>Tables</name>
    <message>
        <source>none</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Inventory reordered</source>
        <translation>物品已重新排序</translation>
    </message>
    <message>
        <source>Inventory %1</source>
        <translation>物品 %1</translation>
    </message>
    <message>
        <source>cannot be read before the change: %1</source>
        <translation>修改前无法读取：%1</translation>
    </message>
    <message>
        <source>cannot be read after the change: %1</source>
        <translation>修改后无法读取：%1</translation>
    </message>
    <message>
        <source>no field shown changes</source>
        <translation>显示的字段均未改变</translation>
    </message>
    <message>
        <source>broken line: a quote inside a cell that does not begin with one, or text after a closing quote (a quote in a cell is written twice, and the cell put in quotes)</source>
        <translation>损坏的行：不以引号开头的单元格中有引号，或闭合引号后还有文字（单元格中的引号要写两次，并把该单元格放在引号中）</translation>
    </message>
    <message>
        <source>the table cannot be read: %1</source>
        <translation>无法读取表格：%1</translation>
    </message>
    <message>
        <source>the table reader cannot start</source>
        <translation>表格读取器无法启动</translation>
    </message>
    <message>
        <source>the table has more than %1 rows</source>
        <translation>表格超过 %1 行</translation>
    </message>
    <message>
        <source>broken line: a quote opened on this line is never closed</source>
        <translation>损坏的行：此行开始的引号一直没有闭合</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>%1 is left out of the table: %2</source>
        <translation>%1 未写入表格：%2</translation>
    </message>
    <message>
        <source>%1 names items that item_kinds1.txt does not hold: they are left out of the table, and an import that changes this inventory drops them</source>
        <translation>%1 指向 item_kinds1.txt 中没有的物品：这些物品未写入表格，修改此物品栏的导入会将其丢弃</translation>
    </message>
    <message>
        <source>Import %1 from %2</source>
        <translation>从 %2 导入 %1</translation>
    </message>
    <message>
        <source>the column stands twice in the header</source>
        <translation>表头中该列出现了两次</translation>
    </message>
    <message>
        <source>no column of a %1 table has this name: it is ignored</source>
        <translation>%1表格中没有此名称的列：已忽略</translation>
    </message>
    <message>
        <source>%1: load the module again</source>
        <translation>%1：请重新载入模组</translation>
    </message>
    <message>
        <source>the header has no number column: rows are matched to records by it</source>
        <translation>表头中没有 number 列：各行按它与记录对应</translation>
    </message>
    <message>
        <source>the row has %1 cells, the header %2</source>
        <translation>该行有 %1 个单元格，表头有 %2 个</translation>
    </message>
    <message>
        <source>the cell is not UTF-8 text: save the table as UTF-8 CSV</source>
        <translation>该单元格不是 UTF-8 文本：请将表格另存为 UTF-8 CSV</translation>
    </message>
    <message>
        <source>no %1 has the number &quot;%2&quot; (0 to %3)</source>
        <translation>没有编号为“%2”的%1（应为 0 到 %3）</translation>
    </message>
    <message>
        <source>a second row for %1: the first is row %2</source>
        <translation>%1 的第二行：第一行是第 %2 行</translation>
    </message>
    <message>
        <source>%1 cannot be read, so it cannot be changed: %2</source>
        <translation>无法读取 %1，因此无法修改：%2</translation>
    </message>
    <message>
        <source>%1 is the identifier of %2, not of %3: rows are matched to records by number, so a row cannot move to another record</source>
        <translation>%1 是 %2 的 ID，而不是 %3 的：各行按编号与记录对应，因此一行不能移到另一条记录</translation>
    </message>
    <message>
        <source>%1 is also the new identifier of %2 on row %3</source>
        <translation>%1 也是第 %3 行中 %2 的新 ID</translation>
    </message>
    <message>
        <source>%1 names items that item_kinds1.txt does not hold: the new inventory drops them</source>
        <translation>%1 指向 item_kinds1.txt 中没有的物品：新的物品栏会将其丢弃</translation>
    </message>
    <message>
        <source>%1 would read %2, not %3, after the import: a member slot without a troop keeps no counts</source>
        <translation>导入后%1将读作 %2，而不是 %3：没有兵种的成员栏位不保留数量</translation>
    </message>
    <message>
        <source>%1 would read %2, not %3, after the import</source>
        <translation>导入后%1将读作 %2，而不是 %3</translation>
    </message>
    <message>
        <source>the table has no header row</source>
        <translation>表格没有表头行</translation>
    </message>
    <message>
        <source>the header is not UTF-8 text: save the table as UTF-8 CSV</source>
        <translation>表头不是 UTF-8 文本：请将表格另存为 UTF-8 CSV</translation>
    </message>
    <message>
        <source>the header does not tell whether the table holds troops, party templates or parties: add a column only one of them has, or the id column</source>
        <translation>从表头看不出表格中是兵种、部队模板还是部队：请添加只有其中一种才有的列，或 id 列</translation>
    </message>
    <message>
        <source>Face code %1</source>
        <translation>容貌代码%1</translation>
    </message>
    <message>
        <source>%1 cannot be written: troops.txt is of a game version whose face codes are not known</source>
        <translation>无法写入%1：troops.txt 所属游戏版本的容貌代码未知</translation>
    </message>
    <message>
        <source>the modifier of %1 must be a whole number from 0 to %2, or &quot;=&quot; and the number stored, not &quot;%3&quot;</source>
        <translation>%1 的修饰符必须是 0 到 %2 之间的整数，或“=”后接储存的数字，而不是“%3”</translation>
    </message>
    <message>
        <source>Inventory holds %1 items; a troop can carry at most %2</source>
        <translation>物品栏有 %1 件物品；一个兵种最多只能携带 %2 件</translation>
    </message>
    <message>
        <source>Name 1</source>
        <translation>名称1</translation>
    </message>
    <message>
        <source>Name 2</source>
        <translation>名称2</translation>
    </message>
    <message>
        <source>Faction</source>
        <translation>阵营</translation>
    </message>
    <message>
        <source>Upgrade path A</source>
        <translation>升级路线 A</translation>
    </message>
    <message>
        <source>Upgrade path B</source>
        <translation>升级路线 B</translation>
    </message>
    <message>
        <source>Race</source>
        <translation>种族</translation>
    </message>
    <message>
        <source>Hero</source>
        <translation>英雄</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>未激活</translation>
    </message>
    <message>
        <source>Unkillable</source>
        <translation>不可杀死</translation>
    </message>
    <message>
        <source>Fall dead</source>
        <translation>不可击伤</translation>
    </message>
    <message>
        <source>No capture</source>
        <translation>无法俘获</translation>
    </message>
    <message>
        <source>Mounted</source>
        <translation>骑乘</translation>
    </message>
    <message>
        <source>Merchant</source>
        <translation>商人</translation>
    </message>
    <message>
        <source>Guarantee boots</source>
        <translation>保障护腿</translation>
    </message>
    <message>
        <source>Guarantee armor</source>
        <translation>保障护甲</translation>
    </message>
    <message>
        <source>Guarantee helmet</source>
        <translation>保障头盔</translation>
    </message>
    <message>
        <source>Guarantee gloves</source>
        <translation>保障护手</translation>
    </message>
    <message>
        <source>Guarantee horse</source>
        <translation>保障马匹</translation>
    </message>
    <message>
        <source>Guarantee shield</source>
        <translation>保障盾牌</translation>
    </message>
    <message>
        <source>Guarantee ranged</source>
        <translation>保障远程</translation>
    </message>
    <message>
        <source>Unmoveable</source>
        <translation>不可移动</translation>
    </message>
    <message>
        <source>Inventory</source>
        <translation>物品</translation>
    </message>
    <message>
        <source>Template name</source>
        <translation>模板名字</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>菜单</translation>
    </message>
    <message>
        <source>Personality</source>
        <translation>性格</translation>
    </message>
    <message>
        <source>Member %1 troop</source>
        <translation>成员 %1 兵种</translation>
    </message>
    <message>
        <source>Member %1 minimum</source>
        <translation>成员 %1 最小值</translation>
    </message>
    <message>
        <source>Member %1 maximum</source>
        <translation>成员 %1 最大值</translation>
    </message>
    <message>
        <source>Member %1 prisoners</source>
        <translation>成员 %1 俘虏</translation>
    </message>
    <message>
        <source>Party name</source>
        <translation>部队名字</translation>
    </message>
    <message>
        <source>Party template</source>
        <translation>部队模板</translation>
    </message>
    <message>
        <source>factions.txt has changed since the module was loaded</source>
        <translation>自载入模组以来，factions.txt 已被修改</translation>
    </message>
    <message>
        <source>troop</source>
        <translation>兵种</translation>
    </message>
    <message>
        <source>faction</source>
        <translation>阵营</translation>
    </message>
    <message>
        <source>item</source>
        <translation>物品</translation>
    </message>
    <message>
        <source>party template</source>
        <translation>部队模板</translation>
    </message>
    <message>
        <source>a %1 is needed</source>
        <translation>需要%1</translation>
    </message>
    <message>
        <source>no %1 has the number %2 (%3 to %4)</source>
        <translation>没有编号为 %2 的%1（应为 %3 到 %4）</translation>
    </message>
    <message>
        <source>%1 names no %2 of this module</source>
        <translation>此模组中没有 ID 为 %1 的%2</translation>
    </message>
    <message>
        <source>%1 must begin with %2, not &quot;%3&quot;</source>
        <translation>%1 必须以 %2 开头，而不是“%3”</translation>
    </message>
    <message>
        <source>%1 must be 0 or 1, not &quot;%2&quot;</source>
        <translation>%1必须是 0 或 1，而不是“%2”</translation>
    </message>
    <message>
        <source>%1 must be a whole number from %2 to %3, not &quot;%4&quot;</source>
        <translation>%1必须是 %2 到 %3 之间的整数，而不是“%4”</translation>
    </message>
    <message>
        <source>%1 must be &quot;0x&quot; followed by hexadecimal digits, not &quot;%2&quot;</source>
        <translation>%1必须是“0x”后接十六进制数字，而不是“%2”</translation>
    </message>
    <message>
        <source>; </source>
        <translation>；</translation>
    </message>
    <message>
        <source>%1 must be a whole number from 0 to 10, not &quot;%2&quot;</source>
        <translation>%1必须是 0 到 10 之间的整数，而不是“%2”</translation>
    </message>
    <message>
        <source>Personality must be soldier, merchant, escorted_merchant, bandit or none, not &quot;%1&quot;</source>
        <translation>性格必须是 soldier、merchant、escorted_merchant、bandit 或 none，而不是“%1”</translation>
    </message>
</context>
<context>
    <name>TroopEditor</name>
    <message>
        <source>%1   [modifier %2]</source>
        <translation>%1   [修饰符 %2]</translation>
    </message>
</context>
<context>
    <name>Troops</name>
    <message>
        <source>ERROR: you cannot have more than 64 items, please remove some!</source>
        <translation>错误：物品不能超过 64 件，请删除一些！</translation>
    </message>
    <message>
        <source>%1 would hold %2 items; an inventory holds at most %3</source>
        <translation>%1 将有 %2 件物品；物品栏最多容纳 %3 件</translation>
    </message>
    <message>
        <source>%1 needs at least %2 fields, this one has %3</source>
        <translation>%1至少需要 %2 个字段，此行只有 %3 个</translation>
    </message>
    <message>
        <source>the %1 &quot;%2&quot; is not a number</source>
        <translation>%1“%2”不是数字</translation>
    </message>
    <message>
        <source>the %1 %2 is no list position: -1 for none, or a number from 0 to %3</source>
        <translation>%1 %2 不是有效的列表位置：应为 -1（无）或 0 到 %3 之间的数字</translation>
    </message>
    <message>
        <source>the %1 &quot;%2&quot; is not a number that fits 128 bits</source>
        <translation>%1“%2”不是 128 位以内的数字</translation>
    </message>
    <message>
        <source>faction number</source>
        <translation>阵营编号</translation>
    </message>
    <message>
        <source>upgrade path A</source>
        <translation>升级路线 A</translation>
    </message>
    <message>
        <source>upgrade path B</source>
        <translation>升级路线 B</translation>
    </message>
    <message>
        <source>a troop line</source>
        <translation>兵种行</translation>
    </message>
    <message>
        <source>flag word</source>
        <translation>旗帜字</translation>
    </message>
    <message>
        <source>inventory slot %1 (&quot;%2 %3&quot;) is not a pair of numbers</source>
        <translation>物品栏位 %1（“%2 %3”）不是一对数字</translation>
    </message>
    <message>
        <source>Warning: The following items were not found in the items file and will be removed:
%1</source>
        <translation>警告：物品文件中找不到以下物品，它们将被移除：
%1</translation>
    </message>
    <message>
        <source>skill word %1</source>
        <translation>技能字 %1</translation>
    </message>
    <message>
        <source>a skills line</source>
        <translation>技能行</translation>
    </message>
    <message>
        <source>face word %1</source>
        <translation>容貌字 %1</translation>
    </message>
    <message>
        <source>the face word %1 &quot;%2&quot; is negative</source>
        <translation>容貌字 %1“%2”为负数</translation>
    </message>
    <message>
        <source>unknown Lancefall version %1</source>
        <translation>未知的 Lancefall 版本 %1</translation>
    </message>
    <message>
        <source>a faces line</source>
        <translation>容貌行</translation>
    </message>
    <message>
        <source>Troop ID</source>
        <translation>角色 ID</translation>
    </message>
    <message>
        <source>Troop ID must begin with trp_, not &quot;%1&quot;</source>
        <translation>角色 ID 必须以 trp_ 开头，而不是“%1”</translation>
    </message>
    <message>
        <source>Name 1</source>
        <translation>名称1</translation>
    </message>
    <message>
        <source>Name 2</source>
        <translation>名称2</translation>
    </message>
    <message>
        <source>No race is chosen in the race list.</source>
        <translation>种族列表中未选择种族。</translation>
    </message>
    <message>
        <source>%1 must be a whole number from 0 to 10, not &quot;%2&quot;</source>
        <translation>%1必须是 0 到 10 之间的整数，而不是“%2”</translation>
    </message>
    <message>
        <source>Face code %1 must be &quot;0x&quot; followed by hexadecimal digits</source>
        <translation>容貌代码%1必须是“0x”后接十六进制数字</translation>
    </message>
    <message>
        <source>Persuasion</source>
        <translation>说服力</translation>
    </message>
    <message>
        <source>Prisoner Management</source>
        <translation>俘虏管理</translation>
    </message>
    <message>
        <source>Leadership</source>
        <translation>统御</translation>
    </message>
    <message>
        <source>Trade</source>
        <translation>交易</translation>
    </message>
    <message>
        <source>Tactics</source>
        <translation>战术</translation>
    </message>
    <message>
        <source>Pathfinding</source>
        <translation>向导</translation>
    </message>
    <message>
        <source>Spotting</source>
        <translation>侦查</translation>
    </message>
    <message>
        <source>Inventory Management</source>
        <translation>物品管理</translation>
    </message>
    <message>
        <source>Wound Treatment</source>
        <translation>疗伤</translation>
    </message>
    <message>
        <source>Surgery</source>
        <translation>手术</translation>
    </message>
    <message>
        <source>First Aid</source>
        <translation>急救</translation>
    </message>
    <message>
        <source>Engineer</source>
        <translation>工程学</translation>
    </message>
    <message>
        <source>Horse Archery</source>
        <translation>骑射</translation>
    </message>
    <message>
        <source>Looting</source>
        <translation>掠夺</translation>
    </message>
    <message>
        <source>Training</source>
        <translation>教练</translation>
    </message>
    <message>
        <source>Tracking</source>
        <translation>跟踪</translation>
    </message>
    <message>
        <source>Weapon Master</source>
        <translation>武器掌握</translation>
    </message>
    <message>
        <source>Shield</source>
        <translation>盾防</translation>
    </message>
    <message>
        <source>Athletics</source>
        <translation>跑动</translation>
    </message>
    <message>
        <source>Riding</source>
        <translation>骑术</translation>
    </message>
    <message>
        <source>Ironflesh</source>
        <translation>铁骨</translation>
    </message>
    <message>
        <source>Power Strike</source>
        <translation>强击</translation>
    </message>
    <message>
        <source>Power Throw</source>
        <translation>强掷</translation>
    </message>
    <message>
        <source>Power Draw</source>
        <translation>强弓</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>力量</translation>
    </message>
    <message>
        <source>Agility</source>
        <translation>敏捷</translation>
    </message>
    <message>
        <source>Intelligence</source>
        <translation>智力</translation>
    </message>
    <message>
        <source>Charisma</source>
        <translation>魅力</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>等级</translation>
    </message>
    <message>
        <source>One-handed</source>
        <translation>单手武器</translation>
    </message>
    <message>
        <source>Two-handed</source>
        <translation>双手武器</translation>
    </message>
    <message>
        <source>Polearms</source>
        <translation>长柄武器</translation>
    </message>
    <message>
        <source>Archery</source>
        <translation>箭术</translation>
    </message>
    <message>
        <source>Crossbows</source>
        <translation>弩</translation>
    </message>
    <message>
        <source>Throwing</source>
        <translation>投掷</translation>
    </message>
    <message>
        <source>Firearms</source>
        <translation>火器</translation>
    </message>
    <message>
        <source>N/A in this troops.txt file format</source>
        <translation>此 troops.txt 文件格式不适用</translation>
    </message>
    <message>
        <source>the troop line is missing</source>
        <translation>缺少兵种行</translation>
    </message>
    <message>
        <source>the troop needs lines %1 to %2, but the file ends at line %3</source>
        <translation>该兵种需要第 %1 至 %2 行，但文件在第 %3 行结束</translation>
    </message>
    <message>
        <source>an attributes line</source>
        <translation>属性行</translation>
    </message>
    <message>
        <source>a proficiencies line</source>
        <translation>熟练度行</translation>
    </message>
    <message>
        <source>a line inside the record of troop %1 begins with trp_; troop %1 is not shown or updated</source>
        <translation>兵种 %1 的记录中有一行以 trp_ 开头；兵种 %1 不会显示或更新</translation>
    </message>
    <message>
        <source>troop %1 begins before the record of troop %2 (line %3) has all its lines; troop %2 is not shown or updated</source>
        <translation>兵种 %2（第 %3 行）的记录尚未完整，兵种 %1 就已开始；兵种 %2 不会显示或更新</translation>
    </message>
    <message>
        <source>this line begins with trp_ inside a troop record, and the summary row matches neither the troops with it nor those without it; troop %1 is not shown or updated</source>
        <translation>此行在兵种记录中以 trp_ 开头，而汇总行与算上或不算此行的兵种数都不符；兵种 %1 不会显示或更新</translation>
    </message>
    <message>
        <source>the summary row must hold the number of troops, not &quot;%1&quot;</source>
        <translation>汇总行必须写明兵种数量，而不是“%1”</translation>
    </message>
    <message>
        <source>the file holds no troop record</source>
        <translation>文件中没有兵种记录</translation>
    </message>
    <message>
        <source>a troop line needs at least 2 fields</source>
        <translation>兵种行至少需要 2 个字段</translation>
    </message>
    <message>
        <source>%1 troops exist in this file but the summary row has %2
This value will be updated when a new file is saved.</source>
        <translation>此文件中有 %1 个兵种，但汇总行写的是 %2
储存新文件时会更新此值。</translation>
    </message>
    <message>
        <source>0 - None</source>
        <translation>0 - 无</translation>
    </message>
</context>
<context>
    <name>Workspace</name>
    <message>
        <source>Unable to open the following files in %1
%2</source>
        <translation>无法打开 %1 中的以下文件
%2</translation>
    </message>
    <message>
        <source>Could not place %1, which the lists name but the editor does not show or update:

%2</source>
        <translation>无法定位 %1，列表中列出了它们，但编辑器不会显示或更新：

%2</translation>
    </message>
    <message>
        <source>Could not place %1, which the lists name but the editor does not show or update:

%2

and %3 more. Tools &gt; Check Module (F7) lists them all.</source>
        <translation>无法定位 %1，列表中列出了它们，但编辑器不会显示或更新：

%2

另有 %3 个。工具 &gt; 检查模组（F7）会全部列出。</translation>
    </message>
    <message>
        <source>%1 (%2 lines)</source>
        <translation>%1（%2 行）</translation>
    </message>
    <message>
        <source>The following files in %1 were updated:

%2</source>
        <translation>%1 中的以下文件已更新：

%2</translation>
    </message>
    <message>
        <source>The versions they replaced are kept beside them as %1.</source>
        <translation>被替换的旧版本保存在同一文件夹中：%1。</translation>
    </message>
    <message>
        <source>The following files in %1 could not be written:

%2</source>
        <translation>无法写入 %1 中的以下文件：

%2</translation>
    </message>
    <message>
        <source>These files were left as they were: %1</source>
        <translation>以下文件保持原样：%1</translation>
    </message>
    <message>
        <source>Information on %1 (%2) has been updated.</source>
        <translation>%1（%2）的资料已更新。</translation>
    </message>
    <message>
        <source>Information on %1 has been updated.</source>
        <translation>%1 的资料已更新。</translation>
    </message>
    <message>
        <source>%1 records</source>
        <translation>%1 条记录</translation>
    </message>
    <message>
        <source>Update %1</source>
        <translation>更新 %1</translation>
    </message>
    <message>
        <source>Update %1 records</source>
        <translation>更新 %1 条记录</translation>
    </message>
    <message>
        <source>No items found, please make sure a item_kinds1.txt file exists in the folder.</source>
        <translation>找不到物品，请确认文件夹中有 item_kinds1.txt 文件。</translation>
    </message>
    <message>
        <source>No factions found, please make sure a factions.txt file exists in the folder.</source>
        <translation>找不到阵营，请确认文件夹中有 factions.txt 文件。</translation>
    </message>
    <message>
        <source>the %1 shown is not the one selected, because it could not be shown without errors; select it again once its line is mended</source>
        <translation>显示的%1不是所选的那一个，因为所选的无法无误显示；修好其所在行后请重新选择</translation>
    </message>
    <message>
        <source>%1 %2 is already used by %3</source>
        <translation>%1 %2 已被 %3 使用</translation>
    </message>
    <message>
        <source>the file on disk cannot be read: %1</source>
        <translation>无法读取磁盘上的文件：%1</translation>
    </message>
    <message>
        <source>troop</source>
        <translation>兵种</translation>
    </message>
    <message>
        <source>party template</source>
        <translation>部队模板</translation>
    </message>
    <message>
        <source>party</source>
        <translation>部队</translation>
    </message>
    <message>
        <source>troops</source>
        <translation>兵种</translation>
    </message>
    <message>
        <source>party templates</source>
        <translation>部队模板</translation>
    </message>
    <message>
        <source>parties</source>
        <translation>部队</translation>
    </message>
    <message>
        <source>Troop ID</source>
        <translation>角色 ID</translation>
    </message>
    <message>
        <source>Template ID</source>
        <translation>模板 ID</translation>
    </message>
    <message>
        <source>Party ID</source>
        <translation>部队 ID</translation>
    </message>
    <message>
        <source>troop %1</source>
        <translation>兵种 %1</translation>
    </message>
    <message>
        <source>party template %1</source>
        <translation>部队模板 %1</translation>
    </message>
    <message>
        <source>party %1</source>
        <translation>部队 %1</translation>
    </message>
    <message>
        <source>Please select a troop from the list</source>
        <translation>请从列表中选择一个兵种</translation>
    </message>
    <message>
        <source>Please select a party template from the list</source>
        <translation>请从列表中选择一个部队模板</translation>
    </message>
    <message>
        <source>Please select a party from the list</source>
        <translation>请从列表中选择一个部队</translation>
    </message>
    <message>
        <source>%1 troop</source>
        <translation>%1 个兵种</translation>
    </message>
    <message>
        <source>%1 troops</source>
        <translation>%1 个兵种</translation>
    </message>
    <message>
        <source>%1 party template</source>
        <translation>%1 个部队模板</translation>
    </message>
    <message>
        <source>%1 party templates</source>
        <translation>%1 个部队模板</translation>
    </message>
    <message>
        <source>%1 party</source>
        <translation>%1 个部队</translation>
    </message>
    <message>
        <source>%1 parties</source>
        <translation>%1 个部队</translation>
    </message>
</context>
<context>
    <name>lancefall::MainWindow</name>
    <message>
        <source>Updated %1</source>
        <translation>已更新 %1</translation>
    </message>
    <message>
        <source>Nothing to update: the fields hold %1 as stored</source>
        <translation>无需更新：字段中的 %1 与已储存的相同</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>替换</translation>
    </message>
    <message>
        <source>&amp;Replace…</source>
        <translation>替换(&amp;R)…</translation>
    </message>
    <message>
        <source>&lt;opened&gt;</source>
        <translation>&lt;已打开&gt;</translation>
    </message>
    <message>
        <source>History</source>
        <translation>历史记录</translation>
    </message>
    <message>
        <source>Select a Lancefall module folder to modify:</source>
        <translation>选择要修改的 Lancefall 模组文件夹：</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>文件夹 %1 不存在。</translation>
    </message>
    <message>
        <source>Could not open %1</source>
        <translation>无法打开 %1</translation>
    </message>
    <message>
        <source>Opened %1: %2 troops, %3 templates, %4 parties</source>
        <translation>已打开 %1：%2 个兵种，%3 个部队模板，%4 个部队</translation>
    </message>
    <message>
        <source>Undid %1</source>
        <translation>已撤销 %1</translation>
    </message>
    <message>
        <source>Redid %1</source>
        <translation>已重做 %1</translation>
    </message>
    <message>
        <source>%1 %2

Edits the troops, party templates and parties of a Lancefall module and writes them back in the game&apos;s own text formats.

Qt %3</source>
        <translation>%1 %2

编辑 Lancefall 模组的兵种、部队模板和部队，并以游戏自身的文本格式写回。

Qt %3</translation>
    </message>
    <message>
        <source>Choose a module folder with Browse or File &gt; Open Folder (Ctrl+O)</source>
        <translation>请用“浏览.....”按钮或“文件 &gt; 打开文件夹”（Ctrl+O）选择模组文件夹</translation>
    </message>
    <message>
        <source>Check module</source>
        <translation>检查模组</translation>
    </message>
    <message>
        <source>Check every record of the module as it stands, unsaved updates included</source>
        <translation>按模组当前的状态检查其每条记录，包括尚未储存的更新</translation>
    </message>
    <message>
        <source>Re&amp;view Changes</source>
        <translation>查看修改(&amp;V)</translation>
    </message>
    <message>
        <source>Review Changes</source>
        <translation>查看修改</translation>
    </message>
    <message>
        <source>&amp;Export Table…</source>
        <translation>导出表格(&amp;E)…</translation>
    </message>
    <message>
        <source>&amp;Import Table…</source>
        <translation>导入表格(&amp;I)…</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>语言(&amp;L)</translation>
    </message>
    <message>
        <source>Export %1 as a table</source>
        <translation>将%1导出为表格</translation>
    </message>
    <message>
        <source>CSV tables (*.csv)</source>
        <translation>CSV 表格 (*.csv)</translation>
    </message>
    <message>
        <source>The table could not be written to %1: %2</source>
        <translation>无法将表格写入 %1：%2</translation>
    </message>
    <message>
        <source>Exported %1 rows to %2</source>
        <translation>已将 %1 行导出到 %2</translation>
    </message>
    <message>
        <source>Left out of the table:

%1</source>
        <translation>以下内容未写入表格：

%1</translation>
    </message>
    <message>
        <source>Import a table</source>
        <translation>导入表格</translation>
    </message>
    <message>
        <source>CSV tables (*.csv);;All files (*)</source>
        <translation>CSV 表格 (*.csv);;所有文件 (*)</translation>
    </message>
    <message>
        <source>The table %1 could not be read: %2</source>
        <translation>无法读取表格 %1：%2</translation>
    </message>
    <message numerus="yes">
        <source>Not imported: %n error(s) in the table</source>
        <translation>
            <numerusform>未导入：表格中有 %n 个错误</numerusform>
        </translation>
    </message>
    <message>
        <source>The table was not imported; nothing changed:

%1</source>
        <translation>表格未导入，没有任何修改：

%1</translation>
    </message>
    <message>
        <source>The table changes nothing</source>
        <translation>表格没有带来任何修改</translation>
    </message>
    <message>
        <source>Done: %1</source>
        <translation>完成：%1</translation>
    </message>
    <message>
        <source>Imported, with these warnings:

%1</source>
        <translation>已导入，但有以下警告：

%1</translation>
    </message>
</context>
<context>
    <name>lancefall::ModuleWatcher</name>
    <message>
        <source>These files in %1 were changed on disk by another program:

  %2

The module has changes that are not saved, so it is not loaded again. Saving asks before it replaces a file that was changed.</source>
        <translation>%1 中的以下文件已被其他程序在磁盘上修改：

  %2

模组有尚未储存的修改，因此不会重新载入。储存时，如需替换已被修改的文件，会先询问。</translation>
    </message>
</context>
<context>
    <name>lancefall::RecordEditor</name>
    <message>
        <source>%1 selected</source>
        <translation>已选择 %1</translation>
    </message>
    <message>
        <source>A whole number sets every selected record to it; +N or -N adds N to or takes N from each record&apos;s own value; *X multiplies it by X</source>
        <translation>输入整数会把每条所选记录都设为该值；+N 或 -N 会在每条记录自身的值上加上或减去 N；*X 会将其乘以 X</translation>
    </message>
    <message>
        <source>Not updated: %1</source>
        <translation>未更新：%1</translation>
    </message>
    <message>
        <source>(several values)</source>
        <translation>（多个值）</translation>
    </message>
    <message>
        <source>%1 names %2</source>
        <translation>%1 指向 %2</translation>
    </message>
    <message>
        <source>%1, which does not exist: choose an entry to replace it, or Update keeps it</source>
        <translation>%1，但它不存在：请选择一个条目替换它，否则“更新”会保留它</translation>
    </message>
    <message>
        <source>; </source>
        <translation>；</translation>
    </message>
</context>
<context>
    <name>lancefall::ReferenceChooser</name>
    <message>
        <source>%1 - (missing)</source>
        <translation>%1 -（不存在）</translation>
    </message>
    <message>
        <source>The record names %1, which does not exist; choose an entry to replace it</source>
        <translation>记录指向不存在的 %1；请选择一个条目替换它</translation>
    </message>
</context>
<context>
    <name>lancefall::ReplacePanel</name>
    <message>
        <source>Item</source>
        <translation>物品</translation>
    </message>
    <message>
        <source>Troop</source>
        <translation>兵种</translation>
    </message>
    <message>
        <source>Party Template</source>
        <translation>部队模板</translation>
    </message>
    <message>
        <source>Faction</source>
        <translation>阵营</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>Nothing names %1.</source>
        <translation>没有任何记录指向 %1。</translation>
    </message>
    <message numerus="yes">
        <source>%n place(s) name %1.</source>
        <translation>
            <numerusform>有 %n 处指向 %1。</numerusform>
        </translation>
    </message>
    <message>
        <source>Not replaced: %1</source>
        <translation>未替换：%1</translation>
    </message>
    <message>
        <source>Replace %1 with %2</source>
        <translation>将 %1 替换为 %2</translation>
    </message>
    <message numerus="yes">
        <source>Replaced %n place(s)</source>
        <translation>
            <numerusform>已替换 %n 处</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>lancefall::ReviewPanel</name>
    <message>
        <source>No module is open.</source>
        <translation>没有打开的模组。</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>，</translation>
    </message>
    <message>
        <source>Nothing changed since the module was loaded or saved.</source>
        <translation>自模组载入或储存以来没有任何修改。</translation>
    </message>
    <message>
        <source>1 record changed since the module was loaded or saved.</source>
        <translation>自模组载入或储存以来有 1 条记录被修改。</translation>
    </message>
    <message>
        <source>%1 records changed since the module was loaded or saved.</source>
        <translation>自模组载入或储存以来有 %1 条记录被修改。</translation>
    </message>
</context>
<context>
    <name>lancefall::TemplateEditor</name>
    <message>
        <source>Menu</source>
        <translation>菜单</translation>
    </message>
    <message>
        <source>Member %1 minimum</source>
        <translation>成员 %1 最小值</translation>
    </message>
    <message>
        <source>Member %1 maximum</source>
        <translation>成员 %1 最大值</translation>
    </message>
</context>
<context>
    <name>lancefall::TroopEditor</name>
    <message>
        <source>Skin %1</source>
        <translation>皮肤 %1</translation>
    </message>
</context>
<context>
    <name>lancefall::UsedByPanel</name>
    <message>
        <source>%1 (%2)</source>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>Select a troop, party template or party to see what uses it.</source>
        <translation>选择一个兵种、部队模板或部队，即可查看哪些记录使用它。</translation>
    </message>
    <message>
        <source>What uses %1</source>
        <translation>使用 %1 的记录</translation>
    </message>
    <message>
        <source>Troops that upgrade to it</source>
        <translation>升级为它的兵种</translation>
    </message>
    <message>
        <source>Templates with it as a member</source>
        <translation>以它为成员的部队模板</translation>
    </message>
    <message>
        <source>Parties using those templates</source>
        <translation>使用这些部队模板的部队</translation>
    </message>
    <message>
        <source>Parties using it</source>
        <translation>使用它的部队</translation>
    </message>
    <message>
        <source>Nothing refers to a party.</source>
        <translation>部队不会被任何记录使用。</translation>
    </message>
    <message>
        <source>1 troop</source>
        <translation>1 个兵种</translation>
    </message>
    <message>
        <source>%1 troops</source>
        <translation>%1 个兵种</translation>
    </message>
    <message>
        <source>1 template</source>
        <translation>1 个部队模板</translation>
    </message>
    <message>
        <source>%1 templates</source>
        <translation>%1 个部队模板</translation>
    </message>
    <message>
        <source>1 party</source>
        <translation>1 个部队</translation>
    </message>
    <message>
        <source>%1 parties</source>
        <translation>%1 个部队</translation>
    </message>
    <message>
        <source>Faction %1: %2, %3, %4</source>
        <translation>阵营 %1：%2，%3，%4</translation>
    </message>
</context>
</TS>
